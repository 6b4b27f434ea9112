#pragma once
// "O programie": the program's picture "Auto.bmp" and the credit.

#include <QDialog>
#include <QString>

#include <filesystem>

class QFrame;
class QLabel;
class QPushButton;

namespace murolab {

class TDialogi;

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    // katalogDanych: where "Auto.bmp" is.
    TAboutBox(TDialogi& dialogi, const std::filesystem::path& katalogDanych, QWidget* rodzic = nullptr);

    void OKButtonClick();
    void FormClose() {}
    // Draws "Auto.bmp" of the data directory at (20, 10); a missing file draws nothing.
    // Returns whether the picture was drawn.
    bool FormPaint(QPainter& p);

protected:
    void paintEvent(QPaintEvent* zdarzenie) override;
    void closeEvent(QCloseEvent* zdarzenie) override;

private:
    // The controls; their objectNames are these names (the tests find them by name).
    QFrame* Panel1 = nullptr;
    QLabel* LabelAutorzy = nullptr;
    QPushButton* OKButton = nullptr;

    QString obraz_;
};

} // namespace murolab
