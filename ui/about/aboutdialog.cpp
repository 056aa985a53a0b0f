#include "aboutdialog.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStringList>

#include "aboutpicture.h"
#include "abouttexts.h"
#include "sysinfo.h"
#include "weblink.h"

namespace dodoru {

namespace {

constexpr int kClientWidth = 6990; // twips
constexpr int kClientHeight = 4950;

QFont titleFont() {
    QFont font;
    font.setFamilies({QStringLiteral("新細明體"), QStringLiteral("PMingLiU"),
                      QStringLiteral("AR PL UMing TW"), QStringLiteral("AR PL UMing TW MBE")});
    font.setPointSizeF(14.25);
    font.setWeight(QFont::Normal);
    return font;
}

QLabel* hiddenLabel(QWidget* parent, const QString& name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->hide();
    return label;
}

QFrame* hiddenLine(QWidget* parent, int index, const QColor& colour) {
    auto* line = new QFrame(parent);
    line->setObjectName(QStringLiteral("Line1"));
    line->setProperty("index", index);
    line->setFrameShape(QFrame::NoFrame);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour);
    line->setPalette(palette);
    line->hide();
    return line;
}

} // namespace

AboutDialog::AboutDialog(WebLink& webLink, SystemInfoLauncher& sysInfo, const QIcon& icon, QWidget* parent)
    : QDialog(parent), webLink_(webLink), sysInfo_(sysInfo), scale_(TwipsScale::forScreen(screen())) {
    setObjectName(QStringLiteral("frmAbout"));
    // A fixed dialog frame without minimise and maximise buttons, kept out of the task bar.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(about::createdCaption());
    setFixedSize(scale_.toPixelsX(kClientWidth), scale_.toPixelsY(kClientHeight));

    QIcon shown = icon;
    if (shown.isNull()) shown = QApplication::windowIcon();
    if (shown.isNull()) shown = drawnMonitorIcon();
    setWindowIcon(shown);

    createControls(shown);
    Form_Load();
    composePicture();
}

QRect AboutDialog::twipsRect(int left, int top, int width, int height) const {
    return {scale_.toPixelsX(left), scale_.toPixelsY(top), scale_.toPixelsX(width), scale_.toPixelsY(height)};
}

void AboutDialog::createControls(const QIcon& icon) {
    cmdOK_ = new QPushButton(about::okText(), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setGeometry(twipsRect(5565, 4035, 1260, 345));
    cmdOK_->setDefault(true);
    cmdOK_->setToolTip(QStringLiteral("Close"));
    // The tooltips stay English, as designed; a screen reader hears their words in the window's language.
    //: The About box's OK button, described for a screen reader (its tooltip says "Close").
    cmdOK_->setAccessibleDescription(QCoreApplication::translate("dodoru::AboutDialog", "關閉"));

    cmdSysInfo_ = new QPushButton(about::sysInfoText(), this); // Alt+S through the mnemonic
    cmdSysInfo_->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo_->setGeometry(twipsRect(5580, 4470, 1245, 345));
    cmdSysInfo_->setToolTip(QStringLiteral("System Information"));
    //: The About box's system information button, described for a screen reader.
    cmdSysInfo_->setAccessibleDescription(QCoreApplication::translate("dodoru::AboutDialog", "系統資訊"));

    picIcon_ = hiddenLabel(this, QStringLiteral("picIcon"), QString());
    const QPixmap iconPicture = icon.pixmap(QSize(32, 32));
    picIcon_->setPixmap(iconPicture);
    picIcon_->setGeometry(
        QRect(twipsRect(240, 240, 540, 540).topLeft(), iconPicture.deviceIndependentSize().toSize()));
    picIcon_->setToolTip(about::iconToolTip());

    lblTitle_ = hiddenLabel(this, QStringLiteral("lblTitle"), about::titlePlaceholder());
    lblTitle_->setGeometry(twipsRect(1050, 240, 5565, 480));
    lblTitle_->setFont(titleFont());

    lblVersion_ = hiddenLabel(this, QStringLiteral("lblVersion"), about::versionPlaceholder());
    lblVersion_->setGeometry(twipsRect(1050, 780, 3885, 225));

    lblDescription_ = hiddenLabel(this, QStringLiteral("lblDescription"), QString());
    lblDescription_->setGeometry(twipsRect(1050, 1065, 5610, 2745));
    lblDescription_->setWordWrap(true);

    // Line1(1), grey and one pixel wide, lies over the white two-pixel Line1(0): an etched separator.
    Line1_[0] = hiddenLine(this, 0, QColor(0xFF, 0xFF, 0xFF));
    Line1_[0]->setGeometry(scale_.toPixelsX(180), scale_.toPixelsY(3915),
                           scale_.toPixelsX(6794) - scale_.toPixelsX(180) + 1, 2);
    Line1_[1] = hiddenLine(this, 1, QColor(0x80, 0x80, 0x80));
    Line1_[1]->setGeometry(scale_.toPixelsX(165), scale_.toPixelsY(3915),
                           scale_.toPixelsX(6794) - scale_.toPixelsX(165) + 1, 1);

    const std::array<QRect, 3> disclaimerRects = {
        twipsRect(330, 4080, 3780, 180), twipsRect(330, 4365, 3450, 180), twipsRect(330, 4635, 3450, 180)};
    for (int i = 0; i < 3; ++i) {
        QLabel* label = hiddenLabel(this, QStringLiteral("lblDisclaimer"), QString());
        label->setProperty("index", i);
        label->setGeometry(disclaimerRects.at(static_cast<std::size_t>(i)));
        lblDisclaimer_.at(static_cast<std::size_t>(i)) = label;
    }
    lblDisclaimer_[1]->setText(about::disclaimer(1));
    lblDisclaimer_[2]->setText(about::disclaimer(2));

    setTabOrder(cmdOK_, cmdSysInfo_);

    connect(cmdOK_, &QPushButton::clicked, this, &QWidget::close);
    connect(cmdSysInfo_, &QPushButton::clicked, this, [this] { sysInfo_.StartSysInfo(this); });
}

void AboutDialog::Form_Load() {
    setWindowTitle(about::caption());
    lblVersion_->setText(about::versionLine());
    lblTitle_->setText(about::title());
    lblDescription_->setText(about::description());
    describeForAssistiveTechnology();
}

// The texts are painted as a picture and their labels stay hidden: a screen reader hears the title, the
// version and what the program does as the dialog's description, which it says at every opening.
void AboutDialog::describeForAssistiveTechnology() {
    const QStringList texts = {lblTitle_->text(), lblVersion_->text(), about::uses()};
    setAccessibleDescription(texts.join(QLatin1Char('\n')));
}

void AboutDialog::composePicture() {
    picture_ = composeAboutPicture(*this, devicePixelRatioF());
}

void AboutDialog::showModeless() {
    centreOnScreen();
    show();
    // Once the window manager has framed the dialog, centre the frame rather than the client area.
    if (frameGeometry().size() != size()) centreOnScreen();
    raise();
    activateWindow();
}

void AboutDialog::centreOnScreen() {
    const QScreen* where = screen();
    if (!where) return;
    const QRect frame = frameGeometry();
    const QPoint centre = where->availableGeometry().center();
    move(centre - QPoint(frame.width() / 2, frame.height() / 2));
}

void AboutDialog::showEvent(QShowEvent* event) {
    if (!qFuzzyCompare(picture_.devicePixelRatio(), devicePixelRatioF())) composePicture();
    QDialog::showEvent(event);
}

void AboutDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), picture_);
}

void AboutDialog::mousePressEvent(QMouseEvent* event) {
    // The buttons take their own presses; everything else is the picture.
    if (event->button() == Qt::LeftButton) {
        webLink_.openWebPage(this);
        event->accept();
        return;
    }
    QDialog::mousePressEvent(event);
}

void AboutDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdOK_->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace dodoru
