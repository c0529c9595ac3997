// Writes the editor's icon as PNG pictures for the desktop's icon theme, at build time:
//   write_app_icons FOLDER
// gives FOLDER/16x16/apps/brindlex.png, FOLDER/32x32/apps/brindlex.png and
// FOLDER/48x48/apps/brindlex.png, drawn by the same code as the window icon.

#include <filesystem>
#include <iostream>
#include <string>

#include "app/app_icon_pictures.h"
#include "files/atomic_file.h"
#include "files/png_export.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: write_app_icons FOLDER\n";
    return 2;
  }
  for (const int edge : {16, 32, 48}) {
    const std::string size = std::to_string(edge) + "x" + std::to_string(edge);
    const std::filesystem::path folder = std::filesystem::path(argv[1]) / size / "apps";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    std::vector<std::uint8_t> png;
    std::string write_error;
    if (error || !brindlex::EncodePngRgba(edge, edge, brindlex::AppIconRgba(edge), png) ||
        !brindlex::WriteFileAtomically((folder / "brindlex.png").string(), png, &write_error)) {
      std::cerr << "write_app_icons: cannot write " << (folder / "brindlex.png").string() << ": "
                << (error ? error.message() : write_error) << "\n";
      return 1;
    }
  }
  return 0;
}
