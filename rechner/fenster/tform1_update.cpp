// Main window: the online update check.
#include "common/web.h"
#include "rechner/fenster/dialoge.h"
#include "rechner/fenster/plattform.h"
#include "rechner/fenster/tform1.h"
#include "rechner/kern/aktualisierung.h"

#include <QAction>
#include <QCoreApplication>
#include <functional>
#include <memory>

namespace {

// The check's values live as long as the menu item's connection. Closing goes through the main
// window's close query, which may refuse.
struct Updateanbindung {
    explicit Updateanbindung(TForm1* fenster)
        : dialoge(fenster),
          pruefung(
              fenster->modell(),
              {dialoge, shell, zwischenablage, Open_Internet, std::bind(&TForm1::close, fenster)},
              updateServer(), QCoreApplication::applicationDirPath() + QLatin1Char('/')) {}
    QtDialoge dialoge;
    QtShell shell;
    QtZwischenablage zwischenablage;
    Onlineaktualisierung pruefung;
};

} // namespace

void TForm1::updateVerbinden() {
    auto anbindung = std::make_shared<Updateanbindung>(this);
    connect(ProgrammaktualisierungOnlineUpdate1, &QAction::triggered, this, [this, anbindung] {
        ausfuehren([&anbindung] {
            anbindung->pruefung.ProgrammaktualisierungOnlineUpdate1Click(Anwendungstitel);
        });
    });
}
