#pragma once

#include <QDialog>
#include <QIcon>
#include <QImage>
#include <QPointer>

#include <array>

#include "twips.h"

class QFrame;
class QLabel;
class QPushButton;

namespace dodoru {

class SystemInfoLauncher;
class WebLink;

// frmAbout: a fixed picture of the program's title, version, description and credits with two working
// buttons over their pictured counterparts. OK (Enter, Esc) closes and discards it, System Info starts
// the system information tool, and a click anywhere else opens the web page. The labels the picture is
// composed from are kept, hidden. The web link and the launcher must outlive the dialog.
class AboutDialog final : public QDialog {
    Q_OBJECT

public:
    // `icon` is the main window's icon; without one the application's icon, else a drawn one, is used.
    AboutDialog(WebLink& webLink, SystemInfoLauncher& sysInfo, const QIcon& icon = QIcon(),
                QWidget* parent = nullptr);

    // Shows the dialog modeless and without an owner, centred on the screen, in front of the other windows.
    void showModeless();

    QPushButton* cmdOK() const { return cmdOK_; }
    QPushButton* cmdSysInfo() const { return cmdSysInfo_; }
    QLabel* picIcon() const { return picIcon_; }
    QLabel* lblTitle() const { return lblTitle_; }
    QLabel* lblVersion() const { return lblVersion_; }
    QLabel* lblDescription() const { return lblDescription_; }
    QLabel* lblDisclaimer(int index) const { return lblDisclaimer_.at(static_cast<std::size_t>(index)); }
    QFrame* Line1(int index) const { return Line1_.at(static_cast<std::size_t>(index)); }

    // The background picture as painted at the top-left corner of the client area.
    const QImage& picture() const { return picture_; }

    // Client-area twips to logical pixels on this dialog's screen.
    const TwipsScale& scale() const { return scale_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createControls(const QIcon& icon);
    void Form_Load();
    void describeForAssistiveTechnology();
    void composePicture();
    void centreOnScreen();
    QRect twipsRect(int left, int top, int width, int height) const;

    WebLink& webLink_;
    SystemInfoLauncher& sysInfo_;
    TwipsScale scale_;
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdSysInfo_ = nullptr;
    QLabel* picIcon_ = nullptr;
    QLabel* lblTitle_ = nullptr;
    QLabel* lblVersion_ = nullptr;
    QLabel* lblDescription_ = nullptr;
    std::array<QLabel*, 3> lblDisclaimer_{};
    std::array<QFrame*, 2> Line1_{};
    QImage picture_;
};

} // namespace dodoru
