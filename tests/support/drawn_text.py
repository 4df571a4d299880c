"""Reads text as a user sees it in a screenshot: which lines a control shows,
how many words each, and whether any ink is cut off at the control's edge."""
import re


class Screenshot:
    """A binary PPM (P6), as grim writes it, kept as one grey level per pixel."""

    def __init__(self, ppm):
        header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", ppm)  # one blank ends it: pixels may be blanks
        if not header:
            raise ValueError("not an 8-bit binary PPM")
        self.width, self.height = int(header[1]), int(header[2])
        rest = ppm[header.end():]
        self.grey = [(rest[i] * 299 + rest[i + 1] * 587 + rest[i + 2] * 114) // 1000
                     for i in range(0, 3 * self.width * self.height, 3)]

    def at(self, x, y):
        return self.grey[y * self.width + x]


def read_lines(shot, box, word_gap):
    """How many words each line drawn inside box has (left, top, right,
    bottom in pixels, right and bottom outside it), and whether ink touches
    the box's right or bottom edge, where what does not fit is cut off.

    Ink is what stands out from the box's commonest grey by more than a
    quarter of its darkest stroke, so that a compositor's smoothing keeps thin
    strokes. A band of ink less than a third as tall as the tallest is an
    accent or a tail, not a line. A gap of word_gap pixels or more between
    inks parts two words."""
    left, top, right, bottom = box
    greys = [shot.at(x, y) for y in range(top, bottom) for x in range(left, right)]
    background = max(set(greys), key=greys.count)
    threshold = max(abs(grey - background) for grey in greys) / 4

    def ink(x, y):
        return abs(shot.at(x, y) - background) > threshold

    bands = _runs([y for y in range(top, bottom) if any(ink(x, y) for x in range(left, right))])
    tallest = max((last - first + 1 for first, last in bands), default=0)
    lines = []
    for first, last in bands:
        if 3 * (last - first + 1) >= tallest:
            columns = [x for x in range(left, right) if any(ink(x, y) for y in range(first, last + 1))]
            lines.append(len(_runs(columns, word_gap)))
    cut = any(ink(right - 1, y) for y in range(top, bottom)) or any(ink(x, bottom - 1) for x in range(left, right))
    return lines, cut


def _runs(positions, gap=1):
    """Groups sorted positions into (first, last) runs, a new run starting
    where the next position is more than gap past the last one: gap blank
    positions or more lie between them."""
    runs = []
    for position in positions:
        if runs and position - runs[-1][1] <= gap:
            runs[-1][1] = position
        else:
            runs.append([position, position])
    return [tuple(run) for run in runs]
