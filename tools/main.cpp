#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "commands.h"
#include "projectinfo.h"

namespace {

constexpr const char* kUsage =
    "Usage:\n"
    "  dodoru-cli solve BOARD|FILE|- [--json] [--exact]\n"
    "      Solves a board of givens as the desktop program's solve button does: up to four searches,\n"
    "      each stopping at its second solution; when two solutions are found, the first cell (column\n"
    "      by column) where they differ becomes a given and the board is searched again.\n"
    "      BOARD is 81 cells: 1-9 a given, 0 or '.' empty; blanks, newlines and the grid characters\n"
    "      '|', '-', '+' are skipped. FILE, a file of that name, holds one or more puzzles: one per\n"
    "      line, or nine-line grids; lines starting with '#' are comments. '-' reads one board per\n"
    "      line from standard input and answers each line as it comes; blank and '#' lines are\n"
    "      skipped, a line longer than 4096 bytes is refused and the next one read, and a NUL\n"
    "      character (no text) stops the reading.\n"
    "      Puzzle text is UTF-8 (a byte order mark is skipped), or UTF-16 or UTF-32 after its byte\n"
    "      order mark; lines end with LF, CR LF or CR. A puzzle file may hold at most 8 MB, and must\n"
    "      be a regular file (or a link to one): a FIFO, a device or a directory is refused unread.\n"
    "      --json prints one object per board: verdict, message, puzzle_error, board, givens, added,\n"
    "      searches (the work of each search).\n"
    "      --exact runs the reference search node by node instead of the fast path: the same answer,\n"
    "      slower, and searches then counts its calls.\n"
    "  dodoru-cli generate --level L [--count N] [--seed S] [--format F] [--log FILE]\n"
    "                      [--min-rating R] [--max-rating R] [--by-technique] [--threads T]\n"
    "      Generates N puzzles (default 1) of level L (1 very easy .. 5 very hard), each with a unique\n"
    "      solution. --seed makes the run reproducible; --log appends the puzzle records to FILE in\n"
    "      code page 950, as the desktop program does with out.txt.\n"
    "      --format line prints each puzzle as 81 characters on a line, --format grid as a nine-line\n"
    "      grid (a blank line between puzzles), --format json (or --json) as one object per line:\n"
    "      level, puzzle, solution (the puzzle's one solution), grid (the full grid it was carved\n"
    "      from), clues, tally, tries, grids, rating, hardest, ms. Both text forms read back with\n"
    "      solve FILE. --min-rating and --max-rating (1.0 .. 9.0) keep drawing puzzles until one is\n"
    "      rated in range (at most 10,000 draws, on every core or T threads); puzzle n draws from\n"
    "      seeds made of the n-th number of the seed's sequence and the draw's number, and the first\n"
    "      draw in range wins, so a seed gives the same puzzles on any number of threads. Only the\n"
    "      puzzles printed are logged, and the JSON gains draws.\n"
    "      --by-technique makes level L by solving technique: 1 singles only (rated 1.0-1.9),\n"
    "      2 locked candidates (2.0-2.9), 3 pairs, X-wing, triples, swordfish (3.0-3.9), 4 wings,\n"
    "      kites, unique rectangle, quads, colouring (4.0-5.9), 5 chains or harder (6.0 and up);\n"
    "      givens symmetric under a half turn, one solution. A rating range narrows the band. Its\n"
    "      JSON: level, by_technique, puzzle, solution, clues, rating, hardest, band, draws, ms.\n"
    "  dodoru-cli explain BOARD|FILE|- [--json]\n"
    "      The logical solver's path from the givens to the solution, one step a line: the technique,\n"
    "      its unit or cells (r1c1..r9c9), what it places or eliminates; then the rating (that of the\n"
    "      hardest step) and the number of steps. --json prints one object a step and a closing object.\n"
    "      A board without exactly one solution gets the verdict solve gives.\n"
    "  dodoru-cli hint BOARD|- [--json]\n"
    "      The first step of that path only.\n"
    "  dodoru-cli rate BOARD|FILE|- [--json]\n"
    "      One puzzle a line: its rating, its hardest technique and the puzzle.\n"
    "  dodoru-cli read IMAGE... [--json]\n"
    "      Reads the puzzle in a photo or a scan (JPEG, PNG or BMP; at most 50 million pixels and\n"
    "      64 MB): one line per image, the 81 cells ('0' empty), or 'refused:' and the reason (no\n"
    "      grid found, the grid runs off the image, not an image, a truncated file). --json prints\n"
    "      one object per image: image, puzzle (null when refused), uncertain (the cells, 0..80 row\n"
    "      by row, whose reading may be wrong), verdict (as solve gives it, or refused, with a\n"
    "      reason), ms. Exit status 2 when an image gave no puzzle.\n"
#ifdef DODORU_HAVE_MANUSCRIPT
    "  dodoru-cli manuscript (--level L | --mix L,L,...) --count N [--per-page K] [--paper NAME]\n"
    "                        [--answers] [--title T] [--seed S] [--log FILE] [--threads N] -o OUT.pdf\n"
    "                        [--rating] [--min-rating R] [--max-rating R] [--by-technique]\n"
    "  dodoru-cli manuscript --from FILE [--per-page K] [--paper NAME] [--answers] [--title T] -o OUT.pdf\n"
    "                        [--rating] [--min-rating R] [--max-rating R]\n"
    "      Writes a manuscript: N puzzles (1..1000) with K puzzles a page (1, 2, 4 or 6; default 6) on\n"
    "      A4 or another paper (A3, A5, B4, B5, JIS-B4, JIS-B5, Letter, Legal, Executive), and with\n"
    "      --answers the answer pages at the end, 12 solutions a page. --mix spreads the count over the\n"
    "      levels in their order (1,2,3,4,5 over 30: six of each). Puzzle i comes from a seed made of S\n"
    "      and i, so a seed gives the same manuscript on any number of threads. --from typesets the\n"
    "      puzzles of a file (81-cell lines or nine-line grids, '#' comments); a puzzle without exactly\n"
    "      one solution is reported and skipped. Exit status 1 when OUT.pdf cannot be written (no\n"
    "      partial file is left); OUT.pdf must be a new or a regular file (or a link to one): a\n"
    "      device, a FIFO or a directory is refused before any work and left as it is. The command\n"
    "      needs no display. --rating prints each puzzle's rating in its caption; --min-rating\n"
    "      and --max-rating keep only puzzles rated in range: a generated puzzle that is not draws\n"
    "      again from seeds made of its own seed and the draw's number (at most 10,000 draws), so the\n"
    "      same seed still gives the same sheet; a puzzle of --from that is not is skipped.\n"
    "      --by-technique makes the levels by solving technique, as generate does.\n"
#endif
    "  dodoru-cli --help\n"
    "  dodoru-cli --version\n"
    "Exit status:\n"
    "  0  success; also when the reader of the output goes away early (dodoru-cli ... | head)\n"
    "  1  an output was lost: standard output (a full disk), a --log record or a manuscript's PDF\n"
    "     could not be written; the message on standard error says which\n"
    "  2  bad arguments, or a board that cannot be read (also an input file that is missing, not a\n"
    "     regular file, too large or unreadable), or an image that gave no puzzle\n";

}  // namespace

int main(int argc, char* argv[]) {
    // A reader that goes away (| head) shows as EPIPE on the next write, which ends the run quietly
    // with status 0, rather than as a signal that kills it with 141.
    std::signal(SIGPIPE, SIG_IGN);
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::fputs(kUsage, stderr);
        return dodoru::cli::kExitBadInput;
    }
    const std::string command = args.front();
    args.erase(args.begin());
    if (command == "--help" || command == "-h" || command == "help") {
        return dodoru::cli::writeOutput(kUsage) ? dodoru::cli::kExitOk : dodoru::cli::kExitIncomplete;
    }
    if (command == "--version" || command == "-v") {
        return dodoru::cli::writeOutput(std::string("dodoru-cli ") + dodoru::project::kVersion + "\n")
                   ? dodoru::cli::kExitOk
                   : dodoru::cli::kExitIncomplete;
    }
    if (command == "solve") return dodoru::cli::runSolve(args);
    if (command == "generate") return dodoru::cli::runGenerate(args);
    if (command == "explain") return dodoru::cli::runExplain(args);
    if (command == "hint") return dodoru::cli::runHint(args);
    if (command == "rate") return dodoru::cli::runRate(args);
    // Reading images loads the image libraries: their own program, as for manuscripts.
    if (command == "read") return dodoru::cli::runHelperProgram("dodoru-read", args);
#ifdef DODORU_HAVE_MANUSCRIPT
    // Manuscripts paint with Qt Gui, which only their own program loads: every other command starts
    // without it.
    if (command == "manuscript") return dodoru::cli::runHelperProgram("dodoru-cli-manuscript", args);
#endif
    std::fprintf(stderr, "dodoru-cli: unknown command '%s'\n%s", command.c_str(), kUsage);
    return dodoru::cli::kExitBadInput;
}
