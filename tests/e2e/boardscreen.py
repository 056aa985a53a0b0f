"""Reading the board off a picture of the main window, and the puzzle rules to judge what was read.

Cells sit at fixed places in the client area (twips, 15 to a pixel). A cell's digit is told from the
shape of its ink, against shapes learned from this very window; its colour says whether it is a given
(blue), the player's own (dark green) or was written by the program (black).
"""

from collections import Counter

from xsession import check

TWIPS_PER_PIXEL = 15
COLUMN_LEFT = [135, 1140, 2145, 3165, 4170, 5175, 6180, 7185, 8205]
ROW_TOP = [1395, 2235, 3105, 3975, 4785, 5640, 6525, 7365, 8205]
CELL_WIDTH, CELL_HEIGHT = 900 // TWIPS_PER_PIXEL, 720 // TWIPS_PER_PIXEL

EMPTY, BLUE, BLACK, GREEN, OTHER = "empty", "blue", "black", "green", "other"


def cell_rect(c):
    """(left, top, width, height) of cell c in client pixels."""
    return (COLUMN_LEFT[c % 9] // TWIPS_PER_PIXEL, ROW_TOP[c // 9] // TWIPS_PER_PIXEL, CELL_WIDTH, CELL_HEIGHT)


def cell_centre(c):
    left, top, width, height = cell_rect(c)
    return left + width // 2, top + height // 2


def twips_to_pixels(x_twips, y_twips):
    return x_twips // TWIPS_PER_PIXEL, y_twips // TWIPS_PER_PIXEL


class CellInk:
    """The ink of one cell: a bit mask of the pixels that stand out from the cell's background, and its colour."""

    def __init__(self, mask, count, colour):
        self.mask, self.count, self.colour = mask, count, colour

    def distance(self, other):
        return (self.mask ^ other.mask).bit_count()


def read_cells(image):
    """CellInk for each of the 81 cells of a client-area capture (width, height, rgb)."""
    width, height, rgb = image
    check(width >= 600 and height >= 590, f"the capture is {width}x{height}, too small for the board")
    cells = []
    for c in range(81):
        left, top, w, h = cell_rect(c)
        pixels = []
        for y in range(top, top + h):
            row = (y * width + left) * 3
            pixels.extend(tuple(rgb[row + 3 * x:row + 3 * x + 3]) for x in range(w))
        background = Counter(pixels).most_common(1)[0][0]
        back_luma = luma(background)
        mask = 0
        count = 0
        strong = []
        for i, p in enumerate(pixels):
            difference = back_luma - luma(p)
            if abs(difference) > 100:
                mask |= 1 << i
                count += 1
                if difference > 150:
                    strong.append(p)
        cells.append(CellInk(mask, count, classify_colour(strong) if count >= 25 else EMPTY))
    return cells


def luma(p):
    return 0.299 * p[0] + 0.587 * p[1] + 0.114 * p[2]


def classify_colour(strong):
    if not strong:
        return OTHER
    r = sum(p[0] for p in strong) / len(strong)
    g = sum(p[1] for p in strong) / len(strong)
    b = sum(p[2] for p in strong) / len(strong)
    if b > 150 and r < 90 and g < 90:
        return BLUE
    if r < 90 and g < 90 and b < 90:
        return BLACK
    if g > 70 and r < 60 and b < 60:
        return GREEN
    return OTHER


class DigitShapes:
    """What each digit looks like in this window, learned from a board whose digits are known."""

    def __init__(self):
        self.shapes = {d: [] for d in range(1, 10)}

    def learn_from_solved(self, cells, givens):
        """Learns the nine shapes from a full board, naming each by the givens it contains.

        The cells must fall into nine groups of alike shapes that form a valid solution; that is checked
        here, so a board that is not a solution fails before anything is learned.
        """
        groups = []  # [representative, [cells]]
        for c, ink in enumerate(cells):
            check(ink.colour in (BLUE, BLACK), f"cell {c} shows no digit on the solved board ({ink.colour})")
            for group in groups:
                if ink.distance(group[0]) <= similarity_limit(ink, group[0]):
                    group[1].append(c)
                    break
            else:
                groups.append([ink, [c]])
        check(len(groups) == 9, f"the solved board shows {len(groups)} different digit shapes, not 9")
        labels = [0] * 81
        for number, (_, members) in enumerate(groups, start=1):
            for c in members:
                labels[c] = number
        check(is_valid_solution(labels), "the digits on the solved board break a row, column or box")
        digit_of_group = {}
        for c, d in enumerate(givens):
            if d:
                seen = digit_of_group.setdefault(labels[c], d)
                check(seen == d, f"given {d} in cell {c} is drawn like a {seen}")
        check(len(digit_of_group) >= 8, "the givens do not name enough of the digits")
        if len(digit_of_group) == 8:
            (missing_group,) = set(range(1, 10)) - set(digit_of_group)
            (missing_digit,) = set(range(1, 10)) - set(digit_of_group.values())
            digit_of_group[missing_group] = missing_digit
        for c, ink in enumerate(cells):
            self.shapes[digit_of_group[labels[c]]].append(ink)
        return [digit_of_group[label] for label in labels]

    def read(self, cells, nearest=False):
        """The digits (0 for empty) and colours of 81 cells. With `nearest`, each digit is the learned shape
        closest to its ink, however far (for ink of another colour, whose anti-aliased edges fall
        differently): the caller then checks the digits against the rules."""
        digits, colours = [], []
        for c, ink in enumerate(cells):
            colours.append(ink.colour)
            if ink.colour == EMPTY:
                digits.append(0)
                continue
            check(ink.colour != OTHER, f"cell {c} shows ink that is neither blue, black nor green")
            best, best_distance = None, None
            for d, shapes in self.shapes.items():
                for shape in shapes:
                    distance = ink.distance(shape)
                    if best_distance is None or distance < best_distance:
                        best, best_distance = d, distance
            check(best is not None and (nearest or best_distance <= similarity_limit(ink, ink)),
                  f"cell {c} shows a shape unlike any digit learned")
            digits.append(best)
        return digits, colours


def similarity_limit(a, b):
    # The same digit in another cell or colour differs at most in a few anti-aliased edge pixels.
    return max(12, (a.count + b.count) // 16)


# ---- puzzle rules

def units():
    rows = [[9 * r + c for c in range(9)] for r in range(9)]
    columns = [[9 * r + c for r in range(9)] for c in range(9)]
    boxes = [[9 * (3 * (b // 3) + r) + 3 * (b % 3) + c for r in range(3) for c in range(3)] for b in range(9)]
    return rows + columns + boxes


UNITS = units()
PEERS = [sorted({p for unit in UNITS if c in unit for p in unit} - {c}) for c in range(81)]


def is_valid_solution(board):
    return all(sorted(board[c] for c in unit) == list(range(1, 10)) for unit in UNITS)


def has_conflict(board):
    return any(board[c] and board[c] == board[p] for c in range(81) for p in PEERS[c])


def candidates(board, c):
    return {d for d in range(1, 10)} - {board[p] for p in PEERS[c]}


def count_solutions(board, limit=2):
    """The number of solutions of a puzzle, counted up to `limit`."""
    work = list(board)
    found = [0]

    def search():
        best, best_options = None, None
        for c in range(81):
            if not work[c]:
                options = candidates(work, c)
                if best_options is None or len(options) < len(best_options):
                    best, best_options = c, options
                    if len(options) <= 1:
                        break
        if best is None:
            found[0] += 1
            return found[0] >= limit
        for d in best_options:
            work[best] = d
            if search():
                return True
        work[best] = 0
        return False

    if not has_conflict(work):
        search()
    return found[0]


def candidate_tally(givens):
    """How many cells have n candidates against the givens alone, n = 1..9; a given counts as one."""
    tally = [0] * 10
    for c in range(81):
        tally[1 if givens[c] else len(candidates(givens, c))] += 1
    return tally


def parse_board(text):
    digits = [0 if ch in ".0" else int(ch) for ch in text if ch in ".0123456789"]
    check(len(digits) == 81, "a board needs 81 cells")
    return digits
