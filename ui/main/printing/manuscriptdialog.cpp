#include "manuscriptdialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QStandardPaths>

#include "batchgeneration.h"
#include "levelrules.h"
#include "manuscriptpuzzle.h"
#include "messageboxes.h"
#include "pagelayout.h"

namespace dodoru {

ManuscriptDialog::ManuscriptDialog(MessageBoxes& boxes, QWidget* parent) : QDialog(parent), boxes_(boxes) {
    //: The caption of the dialog that makes a sheet of puzzles with their answers (a manuscript).
    setWindowTitle(tr("印製手稿"));
    auto* form = new QFormLayout(this);

    //: The sheet's puzzles: all of one level (chosen beside it) ...
    singleLevel_ = new QRadioButton(tr("單一等級"), this);
    level_ = new QComboBox(this);
    for (int l = 1; l <= 5; ++l) level_->addItem(levelName(l), l);
    //: ... or of several levels mixed, given as a list such as 2,2,3,3,4.
    mixed_ = new QRadioButton(tr("混合"), this);
    mix_ = new QLineEdit(this);
    //: Shown in the empty field of the mixed levels.
    mix_->setPlaceholderText(tr("例如 2,2,3,3,4"));
    mix_->setToolTip(QStringLiteral("Levels 1-5 separated by commas, spread over the count in their order"));
    //: The mixed levels field described for a screen reader (its tooltip stays English).
    mix_->setAccessibleDescription(tr("等級 1 到 5，以逗號分隔，依序分配到各題"));
    auto* levels = new QButtonGroup(this);
    levels->addButton(singleLevel_);
    levels->addButton(mixed_);
    auto* levelRow = new QHBoxLayout;
    levelRow->addWidget(singleLevel_);
    levelRow->addWidget(level_);
    levelRow->addWidget(mixed_);
    levelRow->addWidget(mix_, 1);
    //: The rows of the sheet dialog: levels, number of puzzles, puzzles per page, paper, title, seed, output.
    form->addRow(tr("等級："), levelRow);

    count_ = new QSpinBox(this);
    count_->setRange(1, kMostBatchPuzzles);
    count_->setToolTip(QStringLiteral("Puzzles to generate (1-1000)"));
    //: The number of puzzles described for a screen reader (its tooltip stays English).
    count_->setAccessibleDescription(tr("要產生的題數（1 到 1000）"));
    form->addRow(tr("題數："), count_);

    perPage_ = new QComboBox(this);
    for (const int k : {1, 2, 4, 6}) perPage_->addItem(QString::number(k), k);
    form->addRow(tr("每頁題數："), perPage_);

    paper_ = new QComboBox(this);
    for (const QPageSize::PageSizeId id : manuscriptPapers()) paper_->addItem(paperName(id), int(id));
    form->addRow(tr("紙張："), paper_);

    //: Whether answer pages follow the puzzles.
    answers_ = new QCheckBox(tr("最後附上解答"), this);
    form->addRow(QString(), answers_);

    ratings_ = new QCheckBox(tr("每題註明難度評分"), this);
    ratings_->setToolTip(QStringLiteral("Print each puzzle's difficulty rating (1.0 to 9.0) in its caption"));
    form->addRow(QString(), ratings_);

    title_ = new QLineEdit(this);
    form->addRow(tr("標題："), title_);

    seed_ = new QLineEdit(this);
    //: Shown in the empty seed field: an empty seed gives random puzzles.
    seed_->setPlaceholderText(tr("空白表示隨機"));
    seed_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,20}")), seed_));
    seed_->setToolTip(QStringLiteral("The same seed gives the same puzzles"));
    form->addRow(tr("種子："), seed_);

    //: Whether the puzzle on the board becomes the sheet's first puzzle.
    includeBoard_ = new QCheckBox(tr("把盤面上的題目列為第 1 題"), this);
    form->addRow(QString(), includeBoard_);

    toPdf_ = new QRadioButton(tr("PDF 檔案"), this);
    pdfPath_ = new QLineEdit(this);
    //: Chooses the PDF file.
    browse_ = new QPushButton(tr("瀏覽…"), this);
    toPrinter_ = new QRadioButton(tr("印表機"), this);
    auto* targets = new QButtonGroup(this);
    targets->addButton(toPdf_);
    targets->addButton(toPrinter_);
    auto* pdfRow = new QHBoxLayout;
    pdfRow->addWidget(toPdf_);
    pdfRow->addWidget(pdfPath_, 1);
    pdfRow->addWidget(browse_);
    form->addRow(tr("輸出到："), pdfRow);
    form->addRow(QString(), toPrinter_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    //: The button that makes the sheet.
    buttons->button(QDialogButtonBox::Ok)->setText(tr("開始"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("取消"));
    form->addRow(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &ManuscriptDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ManuscriptDialog::reject);
    connect(browse_, &QPushButton::clicked, this, [this] { browse(); });
    for (QRadioButton* button : {singleLevel_, mixed_, toPdf_, toPrinter_})
        connect(button, &QRadioButton::toggled, this, [this] { updateEnabled(); });

    setRequest(ManuscriptRequest{});
}

void ManuscriptDialog::setRequest(const ManuscriptRequest& request) {
    const bool single = request.mix.size() == 1;
    (single ? singleLevel_ : mixed_)->setChecked(true);
    level_->setCurrentIndex(level_->findData(single ? request.mix.front() : 3));
    QStringList mixText;
    for (const int l : request.mix) mixText << QString::number(l);
    mix_->setText(single ? QString() : mixText.join(QLatin1Char(',')));
    count_->setValue(request.count);
    perPage_->setCurrentIndex(perPage_->findData(request.perPage));
    paper_->setCurrentIndex(std::max(0, paper_->findData(int(request.paper.id()))));
    answers_->setChecked(request.answers);
    ratings_->setChecked(request.ratings);
    title_->setText(request.title);
    seed_->setText(request.seed ? QString::number(*request.seed) : QString());
    includeBoard_->setChecked(request.includeBoard);
    (request.target == ManuscriptTarget::PdfFile ? toPdf_ : toPrinter_)->setChecked(true);
    pdfPath_->setText(request.pdfPath);
    updateEnabled();
}

std::optional<ManuscriptRequest> ManuscriptDialog::request(QString* reason) const {
    const auto refuse = [reason](const QString& why) -> std::optional<ManuscriptRequest> {
        if (reason) *reason = why;
        return std::nullopt;
    };
    ManuscriptRequest out;
    if (singleLevel_->isChecked()) {
        out.mix = {level_->currentData().toInt()};
    } else {
        const auto mix = parseLevelMix(mix_->text().toStdString());
        if (!mix) return refuse(tr("混合的等級要寫成以逗號分開的 1 到 5，例如 2,2,3,3,4。"));
        out.mix = *mix;
    }
    out.count = count_->value();
    out.perPage = perPage_->currentData().toInt();
    out.paper = QPageSize(QPageSize::PageSizeId(paper_->currentData().toInt()));
    out.answers = answers_->isChecked();
    out.ratings = ratings_->isChecked();
    out.title = title_->text().trimmed();
    if (!seed_->text().isEmpty()) {
        bool ok = false;
        const qulonglong seed = seed_->text().toULongLong(&ok);
        if (!ok) return refuse(tr("種子必須是 0 到 18446744073709551615 之間的整數。"));
        out.seed = seed;
    }
    out.includeBoard = includeBoard_->isChecked();
    out.target = toPrinter_->isChecked() ? ManuscriptTarget::Printer : ManuscriptTarget::PdfFile;
    out.pdfPath = pdfPath_->text().trimmed();
    if (out.target == ManuscriptTarget::PdfFile && out.pdfPath.isEmpty())
        return refuse(tr("請選擇要儲存手稿的 PDF 檔案。"));
    return out;
}

void ManuscriptDialog::accept() {
    QString reason;
    const auto chosen = request(&reason);
    if (chosen && check_) reason = check_(*chosen);
    if (!reason.isEmpty()) {
        boxes_.show(this, reason, MessageButtons::Ok, MessageIcon::Warning);
        return;
    }
    QDialog::accept();
}

void ManuscriptDialog::browse() {
    QString start = pdfPath_->text();
    //: The file name a sheet of puzzles is offered under.
    if (start.isEmpty()) start = QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath(tr("手稿.pdf"));
    //: The caption of the file dialog that chooses the sheet's PDF file.
    const QString caption = tr("儲存手稿");
    //: The file dialog's filter; keep (*.pdf) as it is.
    QString path = QFileDialog::getSaveFileName(this, caption, start, tr("PDF 文件 (*.pdf)"));
    if (path.isEmpty()) return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) path += QStringLiteral(".pdf");
    pdfPath_->setText(path);
    toPdf_->setChecked(true);
}

void ManuscriptDialog::updateEnabled() {
    level_->setEnabled(singleLevel_->isChecked());
    mix_->setEnabled(mixed_->isChecked());
    pdfPath_->setEnabled(toPdf_->isChecked());
    browse_->setEnabled(toPdf_->isChecked());
}

} // namespace dodoru
