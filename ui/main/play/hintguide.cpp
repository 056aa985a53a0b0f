#include "hintguide.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <limits>

#include "logicsolver.h"
#include "techniquenames.h"

namespace dodoru {

namespace {

// Between the items of a list of cells or digits.
QString listSeparator() {
    //: Between the items of a list (cells, digits) in a hint.
    return HintGuide::tr("、");
}

// Between the larger parts of a hint: the branches of a forcing chain, the sets of an ALS chain.
QString semicolon() {
    //: Between the larger parts of a hint (branches of a forcing chain, almost locked sets).
    return HintGuide::tr("；");
}

QString cellList(const std::vector<int>& cells) {
    QStringList names;
    for (const int c : cells) names << hintCellName(c);
    return names.join(listSeparator());
}

QString digitList(logic::Digits digits) {
    QStringList list;
    for (int d = 1; d <= 9; ++d)
        if (digits & logic::digitBit(d)) list << QString::number(d);
    return list.join(listSeparator());
}

// Where the step is: its unit, else its one cell; nothing for a pattern over several cells.
QString stepHeading(const logic::Step& step) {
    QString where = TechniqueNames::unit(step.unit);
    if (where.isEmpty() && step.cells.size() == 1) where = hintCellName(step.cells.front());
    const QString name = TechniqueNames::name(step.technique);
    //: A hint's heading: where the step is (a row, column, box or cell), then the technique's name.
    return where.isEmpty() ? name : HintGuide::tr("%1：%2").arg(where, name);
}

// A candidate of a chain: "第9列第2行是 4", "第1列第7行、第1列第8行都不是 5".
QString nodeText(const std::vector<int>& cells, int digit, bool on) {
    if (cells.size() == 1)
        return on ? HintGuide::tr("%1是 %2").arg(hintCellName(cells.front())).arg(digit)
                  : HintGuide::tr("%1不是 %2").arg(hintCellName(cells.front())).arg(digit);
    //: A group of cells in a chain: the digit is in one of them.
    return on ? HintGuide::tr("%1之一是 %2").arg(cellList(cells)).arg(digit)
              //: A group of cells in a chain: the digit is in none of them.
              : HintGuide::tr("%1都不是 %2").arg(cellList(cells)).arg(digit);
}

// Between the links of a chain or the steps of a proof.
QString implies() {
    //: Between two steps of a chain: the one before makes the one after true.
    return HintGuide::tr(" ⇒ ");
}

QString failText(const logic::Contradiction& proof) {
    if (proof.failCell >= 0)
        //: The end of a contradiction: a cell with no digit left.
        return HintGuide::tr("%1沒有可填的數字").arg(hintCellName(proof.failCell));
    //: The end of a contradiction: a row, column or box with no place left for a digit.
    return HintGuide::tr("%1沒有位置可填 %2").arg(TechniqueNames::unit(proof.failUnit)).arg(proof.failDigit);
}

// What the step places and removes, marked on the board apart from the chain; and in words.
QStringList markConclusion(const logic::Step& step, HintView& view) {
    QStringList reached;
    for (const logic::CellDigit& p : step.placements) {
        view.drawing.conclusion.push_back({{p.cell}, p.digit, true});
        reached << nodeText({p.cell}, p.digit, true);
    }
    for (const logic::CellDigit& e : step.eliminations) {
        view.drawing.conclusion.push_back({{e.cell}, e.digit, false});
        reached << nodeText({e.cell}, e.digit, false);
    }
    return reached;
}

// The second press of a chain: its candidates in order, drawn and said.
void showChain(const logic::Step& step, HintView& view) {
    QStringList words;
    for (std::size_t i = 0; i < step.chain.size(); ++i) {
        const logic::ChainNode& node = step.chain[i];
        view.drawing.nodes.push_back({node.cells, node.digit, node.on});
        if (i > 0) view.drawing.links.push_back(node.on ? HintDrawing::Link::Strong : HintDrawing::Link::Weak);
        words << nodeText(node.cells, node.digit, node.on);
    }
    markConclusion(step, view);
    //: A hint's second press on a chain: the heading, then the chain read in order.
    view.text = HintGuide::tr("%1：%2。").arg(stepHeading(step), words.join(implies()));
    if (step.sets.empty()) return;
    view.drawing.sets = step.sets;
    QStringList sets;
    for (const std::vector<int>& set : step.sets) sets << cellList(set);
    //: After an ALS chain's words: the almost locked sets it passes through, each a list of cells,
    //: separated by semicolons.
    view.text += HintGuide::tr("幾乎鎖定集：%1。").arg(sets.join(semicolon()));
}

// The second press of a cell or unit forcing chain: each branch numbered, its assumption and the singles
// that follow (in a net, with the number of other steps it takes), then what they all reach. The board
// draws the first few singles of each branch. Shorter forms, for a line too small for the whole, keep of
// each branch the first few, then only the last, before the one the conclusion rests on.
void showBranches(const logic::Step& step, HintView& view) {
    constexpr std::size_t kDrawn = 4;
    for (std::size_t b = 0; b < step.branches.size(); ++b) {
        const logic::Branch& branch = step.branches[b];
        std::vector<HintDrawing::Node> drawn{{{branch.assume.cell}, branch.assume.digit, true}};
        for (std::size_t i = 0; i < branch.placements.size() && i < kDrawn; ++i)
            drawn.push_back({{branch.placements[i].cell}, branch.placements[i].digit, true});
        view.drawing.branches.push_back(std::move(drawn));
    }
    const QStringList reached = markConclusion(step, view);
    // What follows each branch's assumption, in order: its singles; in a net, then how many steps of
    // other techniques it takes and the singles among and after them.
    std::vector<QStringList> follows;
    for (const logic::Branch& branch : step.branches) {
        QStringList nodes;
        for (const logic::CellDigit& p : branch.placements) nodes << nodeText({p.cell}, p.digit, true);
        if (const auto others =
                std::count_if(branch.inner.begin(), branch.inner.end(),
                              [](const logic::Step& inner) { return !logic::isSingle(inner.technique); });
            others > 0)
            nodes << HintGuide::tr("再用 %n 步其他技巧", nullptr, static_cast<int>(others));
        for (const logic::Step& inner : branch.inner)
            if (logic::isSingle(inner.technique))
                for (const logic::CellDigit& p : inner.placements) nodes << nodeText({p.cell}, p.digit, true);
        follows.push_back(std::move(nodes));
    }
    // The words with at most `kept` of what follows a branch's assumption before its last.
    const auto words = [&](std::size_t kept) {
        QStringList branches;
        for (std::size_t b = 0; b < step.branches.size(); ++b) {
            const logic::Branch& branch = step.branches[b];
            QStringList nodes{nodeText({branch.assume.cell}, branch.assume.digit, true)};
            const QStringList& after = follows[b];
            const auto count = static_cast<std::size_t>(after.size());
            for (std::size_t i = 0; i < count; ++i) {
                if (i >= kept && i + 1 < count) {
                    //: In a shortened branch of a forcing chain: singles left out before the last.
                    nodes << HintGuide::tr("…");
                    i = count - 2;
                    continue;
                }
                nodes << after[static_cast<qsizetype>(i)];
            }
            //: One branch of a forcing chain: its number (as drawn on the board), then the assumption and
            //: what follows from it, joined by arrows.
            branches << HintGuide::tr("（%1）假設%2").arg(b + 1).arg(nodes.join(implies()));
        }
        //: A hint's second press on a forcing chain: the heading, the numbered branches (separated by
        //: semicolons), then what every branch leads to.
        return HintGuide::tr("%1：%2；無論哪一種，都得出%3。")
            .arg(stepHeading(step), branches.join(semicolon()), reached.join(listSeparator()));
    };
    view.text = words(std::numeric_limits<std::size_t>::max());
    for (const std::size_t kept : {kDrawn, std::size_t{0}})
        if (const QString shorter = words(kept); shorter != view.text && !view.shorterTexts.contains(shorter))
            view.shorterTexts << shorter;
}

// The second press of a contradiction: the assumption and what follows from it, to where it fails. The
// board shows the assumption and its first consequences.
void showContradiction(const logic::Step& step, HintView& view) {
    const logic::Contradiction& proof = *step.contradiction;
    constexpr std::size_t kDrawn = 4;
    view.drawing.nodes.push_back({{proof.assume.cell}, proof.assume.digit, true});
    std::vector<logic::CellDigit> follows = proof.placements;
    for (const logic::Step& inner : step.inner)
        for (const logic::CellDigit& p : inner.placements) follows.push_back(p);
    for (std::size_t i = 0; i < follows.size() && i < kDrawn; ++i) {
        view.drawing.nodes.push_back({{follows[i].cell}, follows[i].digit, true});
        view.drawing.links.push_back(HintDrawing::Link::Follows);
    }
    QStringList words;
    for (const logic::CellDigit& p : proof.placements) words << nodeText({p.cell}, p.digit, true);
    if (!step.inner.empty())
        //: Inside a contradiction: steps of other techniques were needed besides single digits.
        words << HintGuide::tr("再用 %n 步其他技巧", nullptr, static_cast<int>(step.inner.size()));
    words << failText(proof);
    //: A hint's second press on a contradiction: the heading, the assumption, what follows from it in
    //: order, and then that the assumption is false.
    view.text = HintGuide::tr("%1：假設%2%3%4，所以%5。")
                    .arg(stepHeading(step), nodeText({proof.assume.cell}, proof.assume.digit, true), implies(),
                         words.join(implies()), nodeText({proof.assume.cell}, proof.assume.digit, false));
}

PuzzleState carriedOut(const PuzzleState& puzzle, const logic::Step& step) {
    PuzzleState after = puzzle;
    for (const logic::CellDigit& p : step.placements) after.placePlayerDigit(p.cell, p.digit);
    for (const logic::CellDigit& e : step.eliminations) {
        if (after.digit(e.cell) != 0) continue;
        // A cell without marks of its own gets those its row, column and box allow, less the eliminated.
        const PencilMarks marks =
            after.pencilMarks(e.cell) != 0 ? after.pencilMarks(e.cell) : after.possibleDigits(e.cell);
        after.setPencilMarks(e.cell, static_cast<PencilMarks>(marks & ~(1u << (e.digit - 1))));
    }
    return after;
}

QString carriedOutText(const logic::Step& step) {
    if (!step.placements.empty()) {
        QStringList placed;
        for (const logic::CellDigit& p : step.placements)
            //: One placement of a hint carried out: the cell, then the digit.
            placed << HintGuide::tr("%1填入 %2").arg(hintCellName(p.cell)).arg(p.digit);
        //: A hint carried out: its placements (each "cell 填入 digit").
        return HintGuide::tr("已在%1。").arg(placed.join(listSeparator()));
    }
    // A long list is cut short: the marks on the board show the rest.
    constexpr std::size_t kNamed = 4;
    QStringList removed;
    for (std::size_t i = 0; i < step.eliminations.size() && i < kNamed; ++i)
        //: One pencil mark removed by a hint: the cell, then the digit.
        removed << HintGuide::tr("%1的 %2")
                       .arg(hintCellName(step.eliminations[i].cell))
                       .arg(step.eliminations[i].digit);
    const QString named = removed.join(listSeparator());
    if (step.eliminations.size() <= kNamed) return HintGuide::tr("已從候選數刪去%1。").arg(named);
    return HintGuide::tr("已從候選數刪去%1等 %n 個數字。", nullptr,
                         static_cast<int>(step.eliminations.size()))
        .arg(named);
}

} // namespace

QString hintCellName(int cell) {
    //: A cell: its row, then its column, counted from 1
    return HintGuide::tr("第%1列第%2行").arg(rowOf(cell) + 1).arg(columnOf(cell) + 1);
}

logic::DigitGrid boardDigits(const PuzzleState& puzzle) {
    logic::DigitGrid digits{};
    for (int c = 0; c < kCellCount; ++c) {
        const bool counted = puzzle.kind(c) == CellKind::Given || puzzle.kind(c) == CellKind::Player;
        digits[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(counted ? puzzle.digit(c) : 0);
    }
    return digits;
}

logic::CandidateGrid candidatesForHint(const PuzzleState& puzzle) {
    logic::CandidateGrid candidates{};
    for (int c = 0; c < kCellCount; ++c) {
        const PencilMarks marks = puzzle.pencilMarks(c);
        candidates[static_cast<std::size_t>(c)] =
            marks != 0 ? static_cast<logic::Digits>(marks << 1) : logic::kAllDigits;
    }
    return candidates;
}

std::vector<int> wrongPlayerDigits(const PuzzleState& puzzle, const logic::DigitGrid& solution) {
    std::vector<int> wrong;
    for (int c = 0; c < kCellCount; ++c)
        if (puzzle.kind(c) == CellKind::Player && puzzle.digit(c) != solution[static_cast<std::size_t>(c)])
            wrong.push_back(c);
    return wrong;
}

HintView HintGuide::press(const PuzzleState& puzzle, const logic::DigitGrid& solution) {
    if (board_ && board_->sameCells(puzzle))
        stage_ = stage_ < 3 ? stage_ + 1 : 3;
    else
        stage_ = 1;
    board_ = puzzle;
    HintView view;

    if (const std::vector<int> wrong = wrongPlayerDigits(puzzle, solution); !wrong.empty()) {
        const int n = static_cast<int>(wrong.size());
        if (stage_ == 1) {
            view.text = HintGuide::tr("你填的數字中有 %n 個不正確。", nullptr, n);
        } else if (stage_ == 2) {
            view.wrongCells = wrong;
            view.text = HintGuide::tr("不正確的數字在%1。").arg(cellList(wrong));
        } else {
            PuzzleState after = puzzle;
            for (const int c : wrong) after.setCell(c, 0, CellKind::Empty);
            view.result = after;
            view.text = HintGuide::tr("已清除 %n 個不正確的數字。", nullptr, n);
        }
        return view;
    }

    const logic::CandidateGrid candidates = candidatesForHint(puzzle);
    const logic::Hint hint = logic::hint(boardDigits(puzzle), &candidates);
    if (!hint.marksWithoutSolution.empty()) {
        const std::vector<int>& cells = hint.marksWithoutSolution;
        const int n = static_cast<int>(cells.size());
        if (stage_ == 1) {
            view.text = HintGuide::tr("有 %n 格的候選數漏掉了正確的數字。", nullptr, n);
        } else if (stage_ == 2) {
            view.markedCells = cells;
            view.text = HintGuide::tr("候選數漏掉正確數字的格子：%1。").arg(cellList(cells));
        } else {
            PuzzleState after = puzzle;
            for (const int c : cells) after.setPencilMarks(c, after.possibleDigits(c));
            view.result = after;
            view.text = HintGuide::tr("已重新填入 %n 格的候選數。", nullptr, n);
        }
        return view;
    }
    if (!hint.step) {
        bool full = true;
        for (int c = 0; c < kCellCount; ++c) full = full && puzzle.digit(c) != 0;
        view.text = full ? HintGuide::tr("這一題已經完成了。") : HintGuide::tr("找不到下一步。");
        return view;
    }

    const logic::Step& step = *hint.step;
    if (stage_ == 1) {
        view.text = stepHeading(step);
    } else if (stage_ == 2) {
        view.markedCells = step.cells;
        if (!step.branches.empty()) {
            showBranches(step, view);
        } else if (!step.chain.empty()) {
            showChain(step, view);
        } else if (step.contradiction) {
            showContradiction(step, view);
        } else if (step.technique == logic::Technique::Guess) {
            const logic::CellDigit& e = step.eliminations.front();
            //: A hint's second press on a guess: no reasoning found the step, only a search.
            view.text = HintGuide::tr("%1：假設%2，搜尋後發現此題無解，所以%3。這一步是猜測，找不到更簡單的推理。")
                            .arg(stepHeading(step), nodeText({e.cell}, e.digit, true),
                                 nodeText({e.cell}, e.digit, false));
        } else {
            //: A hint's second press: the heading, the digits the step is about, the cells marked on the board.
            view.text = HintGuide::tr("%1，數字 %2，在標示的格子：%3。")
                            .arg(stepHeading(step), digitList(step.digits), cellList(step.cells));
        }
    } else {
        view.result = carriedOut(puzzle, step);
        view.text = carriedOutText(step);
    }
    return view;
}

} // namespace dodoru
