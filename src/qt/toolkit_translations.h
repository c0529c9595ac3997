#pragma once

#include <QCoreApplication>
#include <QTranslator>

namespace brindlex::qt {

// Installs Qt's own Spanish texts (the qtbase_es catalogue of the toolkit's translations
// folder) on the application, so the toolkit's standard buttons and dialogs speak the
// editor's language: "Sí", "No", "Cancelar", "Aceptar", "Abrir", "Guardar". The editor's
// own captions are not translated. Returns the installed translator, owned by `app`, or
// nullptr when the catalogue is missing (the toolkit then keeps its English texts).
QTranslator* InstallToolkitTranslations(QCoreApplication& app);

}  // namespace brindlex::qt
