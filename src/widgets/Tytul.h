#pragma once
// The program's window title: the main window and the dialogs that carry it show it from here.

#include <QString>

namespace murolab {

inline QString TytulProgramu() {
    return QStringLiteral("Murolab -program do wstępnej analizy cieplno wilgotnościowej");
}

} // namespace murolab
