#pragma once
// The splash window of the start-up: the picture "Splash.bmp" and the progress of creating the
// windows. It pauses after painting itself, so that the picture can be seen.

#include <QString>
#include <QWidget>

#include <filesystem>
#include <functional>

class QProgressBar;

namespace murolab {

class TFormPowitanie : public QWidget {
    Q_OBJECT
public:
    // pauzaMs: the pause after a paint (2000 in the program, 0 in tests); katalogDanych: where
    // "Splash.bmp" is.
    TFormPowitanie(int pauzaMs, const std::filesystem::path& katalogDanych, QWidget* rodzic = nullptr);

    // The progress bar of the start-up: its end, and a step forward (never past the end) that is
    // painted at once; the position reached.
    void UstawKoniecPostepu(int koniec);
    int PrzesunPostep(int przyrost);
    int Postep() const;

    // Shows the window and paints it at once, then pauses (PauzaPoMalowaniu).
    void Pokaz();
    // Draws "Splash.bmp" of the data directory at (0, 0); a missing file draws nothing and
    // says nothing. Returns whether the picture was drawn.
    bool FormPaint(QPainter& p);
    // The pause after a paint of the whole window, once that paint is on the screen; nothing when
    // no such paint happened since the last pause.
    void PauzaPoMalowaniu();
    // Run when the splash goes: hides it, then runs PrzyZamknieciu (the start-up shows the
    // project description dialog there).
    void FormDestroy();
    std::function<void()> PrzyZamknieciu;

    // How the pause is made; tests count the pauses instead of waiting.
    std::function<void(int)> Uspij;
    int Pauza() const { return pauzaMs_; }

protected:
    void paintEvent(QPaintEvent* zdarzenie) override;

private:
    // The controls; their objectNames are these names (the tests find them by name).
    QProgressBar* ProgressBar1 = nullptr;

    int pauzaMs_;
    QString obraz_;
    bool pauzaNalezna_ = false;
};

} // namespace murolab
