#pragma once
// The main window's controls and sheets, found by objectName (widgets/Kontrolka.h).

#include "output/Wykresy.h"
#include "ui/ArkuszKondensacji.h"
#include "ui/ArkuszObliczen.h"
#include "ui/ArkuszPrzegrody.h"
#include "ui/ArkuszWarunkow.h"
#include "ui/ArkuszWykresu.h"
#include "ui/FormPrzegroda.h"
#include "ui/SiatkaWarstw.h"
#include "widgets/Kontrolka.h"
#include "widgets/NumEdit.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QList>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextEdit>

namespace murolab {

// The main window's sheets.
template <typename U> TArkuszWarunkow* ArkuszWarunkow(const U& okno) {
    return Kontrolka<TArkuszWarunkow>(okno, "TabSheetWarPracy");
}
template <typename U> TArkuszPrzegrody* ArkuszPrzegrody(const U& okno) {
    return Kontrolka<TArkuszPrzegrody>(okno, "TabSheetPrzegroda");
}
template <typename U> TArkuszObliczen* ArkuszObliczen(const U& okno) {
    return Kontrolka<TArkuszObliczen>(okno, "TabSheetObliczenia");
}

} // namespace murolab
