#include "commandoptions.h"

namespace dodoru::cli {

namespace {

constexpr std::string_view kSolveForms[] = {"BOARD|FILE|- [--json] [--exact]"};
constexpr Option kSolve[] = {
    {"--json", "",
     "\n--json prints one object per board: verdict, message, puzzle_error, board, givens, added,\n"
     "searches (the work of each search)."},
    {"--exact", "",
     "\n--exact runs the reference search node by node instead of the fast path: the same answer,\n"
     "slower, and searches then counts its calls."},
};

constexpr std::string_view kGenerateForms[] = {
    "--level [--count] [--seed] [--format] [--log]\n"
    "[--min-rating] [--max-rating] [--by-technique] [--threads]"};
constexpr Option kGenerate[] = {
    {"--level", "L", ""},
    {"--count", "N", ""},
    {"--seed", "S", "--seed makes the run reproducible;"},
    {"--log", "FILE",
     "--log appends the puzzle records to FILE in\n"
     "code page 950, as the desktop program does with out.txt."},
    {"--format", "F",
     "\n--format line prints each puzzle as 81 characters on a line, --format grid as a nine-line\n"
     "grid (a blank line between puzzles), --format json (or --json) as one object per line:\n"
     "level, puzzle, solution (the puzzle's one solution), grid (the full grid it was carved\n"
     "from), clues, tally, tries, grids, rating, hardest, ms. Both text forms read back with\n"
     "solve FILE."},
    {"--json", "", ""},
    {"--min-rating", "R",
     "--min-rating and --max-rating (1.0 .. 9.0) keep drawing puzzles until one is\n"
     "rated in range (at most 10,000 draws, on every core or T threads); puzzle n draws from\n"
     "seeds made of the n-th number of the seed's sequence and the draw's number, and the first\n"
     "draw in range wins, so a seed gives the same puzzles on any number of threads. Only the\n"
     "puzzles printed are logged, and the JSON gains draws."},
    {"--max-rating", "R", ""},
    {"--threads", "T", ""},
    {"--by-technique", "",
     "\n--by-technique makes level L by solving technique: 1 singles only (rated 1.0-1.9),\n"
     "2 locked candidates (2.0-2.9), 3 pairs, X-wing, triples, swordfish (3.0-3.9), 4 wings,\n"
     "kites, unique rectangle, quads, colouring (4.0-5.9), 5 chains or harder (6.0 and up);\n"
     "givens symmetric under a half turn, one solution. A rating range narrows the band. Its\n"
     "JSON: level, by_technique, puzzle, solution, clues, rating, hardest, band, draws, ms."},
};

constexpr std::string_view kExplainForms[] = {"BOARD|FILE|- [--json]"};
constexpr Option kExplainJson[] = {{"--json", "", "--json prints one object a step and a closing object."}};

constexpr std::string_view kHintForms[] = {"BOARD|- [--json]"};
constexpr std::string_view kRateForms[] = {"BOARD|FILE|- [--json]"};
// hint and rate print JSON as explain does; their words say no more about it.
constexpr Option kJsonAlike[] = {{"--json", "", ""}};

constexpr std::string_view kReadForms[] = {"IMAGE... [--json]"};
constexpr Option kRead[] = {
    {"--json", "",
     "--json prints\n"
     "one object per image: image, puzzle (null when refused), uncertain (the cells, 0..80 row\n"
     "by row, whose reading may be wrong), verdict (as solve gives it, or refused, with a\n"
     "reason), ms."},
};

constexpr std::string_view kManuscriptForms[] = {
    "(--level | --mix) --count [--per-page] [--paper]\n"
    "[--answers] [--title] [--seed] [--log] [--threads] -o\n"
    "[--rating] [--min-rating] [--max-rating] [--by-technique]",
    "--from [--per-page] [--paper] [--answers] [--title] -o\n"
    "[--rating] [--min-rating] [--max-rating]"};
constexpr Option kManuscript[] = {
    {"--level", "L", ""},
    {"--count", "N", ""},
    {"--per-page", "K", ""},
    {"--paper", "NAME", ""},
    {"--answers", "", "\n--answers the answer pages at the end, 12 solutions a page."},
    {"--mix", "L,L,...",
     "--mix spreads the count over the\n"
     "levels in their order (1,2,3,4,5 over 30: six of each)."},
    {"--seed", "S",
     "Puzzle i comes from a seed made of S\n"
     "and i, so a seed gives the same manuscript on any number of threads."},
    {"--threads", "N", ""},
    {"--from", "FILE",
     "--from typesets the\n"
     "puzzles of a file (81-cell lines or nine-line grids, '#' comments); a puzzle without exactly\n"
     "one solution is reported and skipped."},
    {"-o", "OUT.pdf",
     "Exit status 1 when OUT.pdf cannot be written (no\n"
     "partial file is left); OUT.pdf must be a new or a regular file (or a link to one): a\n"
     "device, a FIFO or a directory is refused before any work and left as it is. The command\n"
     "needs no display.",
     "--output"},
    {"--rating", "", "--rating prints each puzzle's rating in its caption;"},
    {"--min-rating", "R",
     "--min-rating\n"
     "and --max-rating keep only puzzles rated in range: a generated puzzle that is not draws\n"
     "again from seeds made of its own seed and the draw's number (at most 10,000 draws), so the\n"
     "same seed still gives the same sheet; a puzzle of --from that is not is skipped."},
    {"--max-rating", "R", ""},
    {"--by-technique", "", "\n--by-technique makes the levels by solving technique, as generate does."},
    {"--title", "T", ""},
    {"--log", "FILE", ""},
};

} // namespace

const CommandOptions kSolveOptions{
    .name = "solve",
    .forms = kSolveForms,
    .lead = "Solves a board of givens as the desktop program's solve button does: up to four searches,\n"
            "each stopping at its second solution; when two solutions are found, the first cell (column\n"
            "by column) where they differ becomes a given and the board is searched again.\n"
            "BOARD is 81 cells: 1-9 a given, 0 or '.' empty; blanks, newlines and the grid characters\n"
            "'|', '-', '+' are skipped. FILE, a file of that name, holds one or more puzzles: one per\n"
            "line, or nine-line grids; lines starting with '#' are comments. '-' reads one board per\n"
            "line from standard input and answers each line as it comes; blank and '#' lines are\n"
            "skipped, a line longer than 4096 bytes is refused and the next one read, and a NUL\n"
            "character (no text) stops the reading.\n"
            "Puzzle text is UTF-8 (a byte order mark is skipped), or UTF-16 or UTF-32 after its byte\n"
            "order mark; lines end with LF, CR LF or CR. A puzzle file may hold at most 8 MB, and must\n"
            "be a regular file (or a link to one): a FIFO, a device or a directory is refused unread.",
    .options = kSolve,
    .operands = true,
};

const CommandOptions kGenerateOptions{
    .name = "generate",
    .forms = kGenerateForms,
    .lead = "Generates N puzzles (default 1) of level L (1 very easy .. 5 very hard), each with a unique\n"
            "solution.",
    .options = kGenerate,
    .singleDash = true,
    .inlineValues = true,
};

const CommandOptions kExplainOptions{
    .name = "explain",
    .forms = kExplainForms,
    .lead = "The logical solver's path from the givens to the solution, one step a line: the technique,\n"
            "its unit or cells (r1c1..r9c9), what it places or eliminates; then the rating (that of the\n"
            "hardest step) and the number of steps.",
    .options = kExplainJson,
    .closing = "\nA board without exactly one solution gets the verdict solve gives.",
    .operands = true,
    .singleDash = true,
};

const CommandOptions kHintOptions{
    .name = "hint",
    .forms = kHintForms,
    .lead = "The first step of that path only.",
    .options = kJsonAlike,
    .operands = true,
    .singleDash = true,
};

const CommandOptions kRateOptions{
    .name = "rate",
    .forms = kRateForms,
    .lead = "One puzzle a line: its rating, its hardest technique and the puzzle.",
    .options = kJsonAlike,
    .operands = true,
    .singleDash = true,
};

const CommandOptions kReadOptions{
    .name = "read",
    .forms = kReadForms,
    .lead = "Reads the puzzle in a photo or a scan (JPEG, PNG or BMP; at most 50 million pixels and\n"
            "64 MB): one line per image, the 81 cells ('0' empty), or 'refused:' and the reason (no\n"
            "grid found, the grid runs off the image, not an image, a truncated file).",
    .options = kRead,
    .closing = "Exit status 2 when an image gave no puzzle.",
    .operands = true,
};

const CommandOptions kManuscriptOptions{
    .name = "manuscript",
    .forms = kManuscriptForms,
    .lead = "Writes a manuscript: N puzzles (1..1000) with K puzzles a page (1, 2, 4 or 6; default 6) on\n"
            "A4 or another paper (A3, A5, B4, B5, JIS-B4, JIS-B5, Letter, Legal, Executive), and with",
    .options = kManuscript,
    .singleDash = true,
    .inlineValues = true,
};

} // namespace dodoru::cli
