#include "qt/toolkit_translations.h"

#include <QLibraryInfo>
#include <QStringList>

namespace brindlex::qt {

QTranslator* InstallToolkitTranslations(QCoreApplication& app) {
  // Qt's own folder first; Debian's folder when Qt was built with another prefix.
  const QStringList folders = {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                               QStringLiteral("/usr/share/qt6/translations")};
  auto* translator = new QTranslator(&app);
  for (const QString& folder : folders) {
    if (translator->load(QStringLiteral("qtbase_es"), folder) &&
        QCoreApplication::installTranslator(translator))
      return translator;
  }
  delete translator;
  return nullptr;
}

}  // namespace brindlex::qt
