#pragma once

#include <QDialog>
#include <QPageSize>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace dodoru {

class MessageBoxes;

enum class ManuscriptTarget { PdfFile, Printer };

// What the manuscript dialog asks for.
struct ManuscriptRequest {
    std::vector<int> mix = {3}; // one level, or a mix spread over the count
    int count = 12;
    int perPage = 6;
    QPageSize paper = QPageSize(QPageSize::A4);
    bool answers = true;
    bool ratings = false; // each puzzle's caption gives its difficulty rating
    QString title;
    std::optional<std::uint64_t> seed; // none: a random one
    bool includeBoard = false;         // the puzzle on the board as puzzle 1, before the generated ones
    ManuscriptTarget target = ManuscriptTarget::PdfFile;
    QString pdfPath;
};

// The dialog 印製手稿…: level or mix, count, puzzles a page, paper, answers, title, seed, the puzzle on
// the board, and a PDF file or a printer. OK is refused, with the reason in a message box, while the
// choices are incomplete or the check handed in by the owner objects.
class ManuscriptDialog : public QDialog {
    Q_OBJECT
public:
    // Returns the reason a request cannot be made, or an empty text.
    using Check = std::function<QString(const ManuscriptRequest&)>;

    ManuscriptDialog(MessageBoxes& boxes, QWidget* parent = nullptr);

    void setRequest(const ManuscriptRequest& request);
    // The choices as they stand; nullopt with `reason` set when they are incomplete.
    std::optional<ManuscriptRequest> request(QString* reason = nullptr) const;
    void setCheck(Check check) { check_ = std::move(check); }

    // The controls, for tests.
    QRadioButton* singleLevel() const { return singleLevel_; }
    QComboBox* level() const { return level_; }
    QRadioButton* mixed() const { return mixed_; }
    QLineEdit* mix() const { return mix_; }
    QSpinBox* count() const { return count_; }
    QComboBox* perPage() const { return perPage_; }
    QComboBox* paper() const { return paper_; }
    QCheckBox* answers() const { return answers_; }
    QCheckBox* ratings() const { return ratings_; }
    QLineEdit* title() const { return title_; }
    QLineEdit* seed() const { return seed_; }
    QCheckBox* includeBoard() const { return includeBoard_; }
    QRadioButton* toPdf() const { return toPdf_; }
    QLineEdit* pdfPath() const { return pdfPath_; }

    void accept() override;

private:
    void browse();
    void updateEnabled();

    MessageBoxes& boxes_;
    Check check_;
    QRadioButton* singleLevel_ = nullptr;
    QComboBox* level_ = nullptr;
    QRadioButton* mixed_ = nullptr;
    QLineEdit* mix_ = nullptr;
    QSpinBox* count_ = nullptr;
    QComboBox* perPage_ = nullptr;
    QComboBox* paper_ = nullptr;
    QCheckBox* answers_ = nullptr;
    QCheckBox* ratings_ = nullptr;
    QLineEdit* title_ = nullptr;
    QLineEdit* seed_ = nullptr;
    QCheckBox* includeBoard_ = nullptr;
    QRadioButton* toPdf_ = nullptr;
    QLineEdit* pdfPath_ = nullptr;
    QRadioButton* toPrinter_ = nullptr;
    QPushButton* browse_ = nullptr;
};

} // namespace dodoru
