#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the game's SVG pictures into this folder.

The pictures are drawn here as geometry, so that they stay consistent with
each other: symbols of both styles, digits and operators of both styles, the
five looks of the grid digits and the black print glyphs. Run it again after
changing a shape; the SVG files it writes are committed.
"""
import os

HERE = os.path.dirname(os.path.abspath(__file__))

# Digits as stroked paths in a 100 x 100 box: no font is involved.
DIGITS = [
    '<ellipse cx="50" cy="50" rx="21" ry="34"/>',
    '<path d="M36 30 L54 16 L54 86 M38 86 L70 86"/>',
    '<path d="M30 33 C30 10 70 10 70 32 C70 52 32 62 30 86 L72 86"/>',
    '<path d="M30 24 C38 10 70 10 69 31 C68 45 56 48 46 48 C58 48 72 53 71 68 C70 91 37 92 28 78"/>',
    '<path d="M61 86 L61 14 L26 64 L77 64"/>',
    '<path d="M69 14 L35 14 L31 47 C41 40 71 38 71 64 C71 91 37 92 28 78"/>',
    '<path d="M66 17 C42 12 30 38 30 62 C30 80 40 88 51 88 C63 88 71 79 71 66 C71 53 62 45 51 45 C41 45 31 52 30 62"/>',
    '<path d="M28 14 L72 14 L45 86"/>',
    '<circle cx="50" cy="31" r="16"/><circle cx="50" cy="67" r="20"/>',
    '<path transform="rotate(180 50 50.5)" d="M66 17 C42 12 30 38 30 62 C30 80 40 88 51 88 C63 88 71 79 71 66 C71 53 62 45 51 45 C41 45 31 52 30 62"/>',
]

OPERATORS = {
    'plus': '<path d="M20 50 L80 50 M50 20 L50 80"/>',
    'minus': '<path d="M20 50 L80 50"/>',
    'equals': '<path d="M20 37 L80 37 M20 63 L80 63"/>',
}

CLASSIC_INK = '#000000'
MODERN_INK = '#000084'  # RGB(0, 0, 132)


def svg(body, extra_defs=''):
    defs = f'<defs>{extra_defs}</defs>' if extra_defs else ''
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="100" height="100" viewBox="0 0 100 100">'
            f'{defs}{body}</svg>\n')


def stroked(shape, colour, width=10):
    return (f'<g fill="none" stroke="{colour}" stroke-width="{width}" stroke-linecap="round" '
            f'stroke-linejoin="round">{shape}</g>')


# Classic symbols: light cyan spheres, each with a second colour on a region of
# its own shape, so that shape alone tells them apart.
def band(half_width, vertical):
    """The part of the ball within half_width of its horizontal or vertical axis."""
    reach = (44 ** 2 - half_width ** 2) ** 0.5
    a, b = 50 - reach, 50 + reach
    lo, hi = 50 - half_width, 50 + half_width
    if vertical:
        return (f'<path d="M{lo} {a:.2f} L{lo} {b:.2f} A44 44 0 0 0 {hi} {b:.2f} '
                f'L{hi} {a:.2f} A44 44 0 0 0 {lo} {a:.2f} Z"/>')
    return (f'<path d="M{a:.2f} {lo} L{b:.2f} {lo} A44 44 0 0 1 {b:.2f} {hi} '
            f'L{a:.2f} {hi} A44 44 0 0 1 {a:.2f} {lo} Z"/>')


# The regions are drawn as exact parts of the ball (the SVG renderer of the
# game has no clip paths).
UPPER_RIGHT = '<path d="M50 50 L50 6 A44 44 0 0 1 94 50 Z"/>'
LOWER_LEFT = '<path d="M50 50 L50 94 A44 44 0 0 1 6 50 Z"/>'
CLASSIC_REGIONS = [
    ('<path d="M50 6 A44 44 0 0 1 50 94 Z"/>', '#2850D8'),                           # right half
    ('<path d="M94 50 A44 44 0 0 1 6 50 Z"/>', '#D8283C'),                           # lower half
    ('<path d="M50 50 L6 50 A44 44 0 0 1 50 6 Z"/>', '#2E9E3E'),                    # upper left quarter
    ('<path d="M50 50 L94 50 A44 44 0 0 1 50 94 Z"/>', '#F2C618'),                  # lower right quarter
    ('<circle cx="50" cy="50" r="19"/>', '#C0309C'),                                  # inner ball
    (band(11, vertical=False), '#F07A18'),                                            # equator band
    (band(11, vertical=True), '#6A3CC8'),                                             # meridian band
    (UPPER_RIGHT + LOWER_LEFT, '#8A5A2A'),                                            # opposite quarters
    ('<path fill-rule="evenodd" d="M6 50 A44 44 0 1 0 94 50 A44 44 0 1 0 6 50 Z '
     'M22 50 A28 28 0 1 1 78 50 A28 28 0 1 1 22 50 Z"/>', '#1C2C78'),               # outer ring
    ('<circle cx="64" cy="64" r="14"/>', '#F06AA8'),                                  # small ball, lower right
]

def classic_symbol(index, for_print=False):
    region, colour = CLASSIC_REGIONS[index]
    if for_print:
        body = (f'<circle cx="50" cy="50" r="44" fill="#FFFFFF"/>'
                f'<g fill="#000000">{region}</g>'
                f'<circle cx="50" cy="50" r="44" fill="none" stroke="#000000" stroke-width="5"/>')
        return svg(body)
    defs = ('<radialGradient id="base" cx="0.38" cy="0.34" r="0.7">'
            '<stop offset="0" stop-color="#FFFFFF"/><stop offset="0.35" stop-color="#C6F6FA"/>'
            '<stop offset="0.8" stop-color="#5EC4D2"/><stop offset="1" stop-color="#2C7F8E"/></radialGradient>'
            '<radialGradient id="second" cx="0.38" cy="0.34" r="0.75">'
            f'<stop offset="0" stop-color="#FFFFFF" stop-opacity="0.55"/><stop offset="0.5" stop-color="{colour}" stop-opacity="0"/>'
            '</radialGradient>')
    body = (f'<circle cx="50" cy="50" r="44" fill="url(#base)"/>'
            f'<g fill="{colour}">{region}</g>'
            f'<circle cx="50" cy="50" r="44" fill="url(#second)"/>'
            '<ellipse cx="36" cy="30" rx="13" ry="8" fill="#FFFFFF" opacity="0.75"/>'
            '<circle cx="50" cy="50" r="44" fill="none" stroke="#24505C" stroke-width="3"/>')
    return svg(body, defs)


# Modern symbols: flat figures of different outline, two colours split along
# a line, and a dark outline.
MODERN_SHAPES = [
    ('<rect x="14" y="14" width="72" height="72"/>', (0, 0, 1, 1), '#3A6FE0', '#FFD23F'),        # square
    ('<circle cx="50" cy="50" r="38"/>', (0, 0, 0, 1), '#E04848', '#FFE3A0'),                   # circle
    ('<polygon points="50,10 91,86 9,86"/>', (0, 0, 1, 0), '#2E9E4E', '#FF9F1C'),               # triangle
    ('<polygon points="50,7 93,50 50,93 7,50"/>', (0, 0, 0, 1), '#7B3FC4', '#5FD3E8'),          # diamond
    ('<polygon points="35,12 65,12 88,35 88,65 65,88 35,88 12,65 12,35"/>', (1, 0, 0, 1),
     '#FF7F11', '#2B59C3'),                                                                    # octagon
    ('<polygon points="50,6 61,38 95,38 67,58 78,91 50,71 22,91 33,58 5,38 39,38"/>', (0, 0, 1, 0),
     '#F5C400', '#D7263D'),                                                                    # star
    ('<polygon points="50,8 87,29 87,71 50,92 13,71 13,29"/>', (0, 0, 0, 1), '#0FA3A3', '#F78FB3'),  # hexagon
    ('<polygon points="37,10 63,10 63,37 90,37 90,63 63,63 63,90 37,90 37,63 10,63 10,37 37,37"/>',
     (0, 0, 1, 1), '#1B2A80', '#A4DE02'),                                                      # cross
    ('<polygon points="50,8 91,38 75,88 25,88 9,38"/>', (0, 0, 1, 0), '#C2187A', '#FFE066'),    # pentagon
    ('<path fill-rule="evenodd" d="M10 50 A40 40 0 1 0 90 50 A40 40 0 1 0 10 50 Z '
     'M32 50 A18 18 0 1 1 68 50 A18 18 0 1 1 32 50 Z"/>', (0, 0, 0, 1), '#8D5524', '#7FD1FF'),  # ring
]


def modern_symbol(index, for_print=False):
    shape, (x1, y1, x2, y2), first, second = MODERN_SHAPES[index]
    if for_print:
        first, second, outline = '#000000', '#FFFFFF', '#000000'
    else:
        outline = '#1E1E3C'
    defs = (f'<linearGradient id="split" x1="{x1}" y1="{y1}" x2="{x2}" y2="{y2}">'
            f'<stop offset="0.5" stop-color="{first}"/><stop offset="0.5" stop-color="{second}"/>'
            '</linearGradient>')
    body = (f'<g fill="url(#split)" stroke="{outline}" stroke-width="5" stroke-linejoin="round">'
            f'{shape}</g>')
    return svg(body, defs)


GRID_LOOKS = {
    # look: (ground, ink, cross)
    'plain': ('#FFFFFF', '#000000', None),
    'yes': ('#00FF00', '#000000', None),
    'no': ('#FFFFFF', '#000000', '#FF0000'),
    'greyed': ('#D6D3CE', '#808080', None),
    'greyedno': ('#D6D3CE', '#808080', '#808080'),
}


def grid_digit(digit, look):
    ground, ink, cross = GRID_LOOKS[look]
    body = f'<rect x="0" y="0" width="100" height="100" fill="{ground}"/>'
    body += f'<g transform="translate(10 10) scale(0.8)">{stroked(DIGITS[digit], ink, 11)}</g>'
    if cross:
        body += stroked('<path d="M16 16 L84 84 M84 16 L16 84"/>', cross, 8)
    return svg(body)


# Icons of the two player lists, told apart by shape as well as colour.
def icon(body):
    return svg(body)


CHECK = '<path d="M28 52 L44 68 L74 34" fill="none" stroke="#FFFFFF" stroke-width="11" stroke-linecap="round" stroke-linejoin="round"/>'
CROSS = '<path d="M32 32 L68 68 M68 32 L32 68" fill="none" stroke="#FFFFFF" stroke-width="11" stroke-linecap="round"/>'
OUTLINE = 'stroke="#1E1E3C" stroke-width="4" stroke-linejoin="round"'

LIST_ICONS = {
    # lobby: alive, dead, without the options
    'lobby1': f'<circle cx="50" cy="50" r="40" fill="#2E9E4E" {OUTLINE}/>' + CHECK,
    'lobby2': f'<rect x="12" y="12" width="76" height="76" rx="8" fill="#8A8A8A" {OUTLINE}/>' + CROSS,
    'lobby3': (f'<polygon points="50,8 94,88 6,88" fill="#F2A516" {OUTLINE}/>'
               '<path d="M50 36 L50 62" stroke="#1E1E3C" stroke-width="10" stroke-linecap="round"/>'
               '<circle cx="50" cy="76" r="6" fill="#1E1E3C"/>'),
    # race: racing, solved, gave up, dead, not started
    'race1': f'<polygon points="20,12 86,50 20,88" fill="#2B59C3" {OUTLINE}/>',
    'race2': f'<circle cx="50" cy="50" r="40" fill="#2E9E4E" {OUTLINE}/>' + CHECK,
    'race3': (f'<path d="M22 92 L22 8" stroke="#1E1E3C" stroke-width="7" stroke-linecap="round"/>'
              f'<path d="M24 12 L84 12 L72 32 L84 52 L24 52 Z" fill="#FFFFFF" {OUTLINE}/>'),
    'race4': f'<rect x="12" y="12" width="76" height="76" rx="8" fill="#8A8A8A" {OUTLINE}/>' + CROSS,
    'race5': (f'<path d="M24 10 L76 10 L52 50 L76 90 L24 90 L48 50 Z" fill="#F2D28A" {OUTLINE}/>'),
}


def medal(number, fill, rim):
    ribbon = ('<polygon points="30,4 46,4 56,40 40,40" fill="#C0392B"/>'
              '<polygon points="54,4 70,4 60,40 44,40" fill="#2B59C3"/>')
    disc = f'<circle cx="50" cy="64" r="32" fill="{fill}" stroke="{rim}" stroke-width="5"/>'
    digit = f'<g transform="translate(30 44) scale(0.4)">{stroked(DIGITS[number], "#3A2A00", 16)}</g>'
    return svg(ribbon + disc + digit)


def app_icon():
    """The game's icon: a tile with a symbol, a digit and the grid's green."""
    tile = ('<rect x="4" y="4" width="92" height="92" rx="16" fill="#F4F4FA" stroke="#000084" stroke-width="4"/>'
            '<rect x="54" y="54" width="34" height="34" rx="4" fill="#00FF00" stroke="#1E1E3C" stroke-width="3"/>')
    shape, _, first, second = MODERN_SHAPES[5]
    star = (f'<g transform="translate(8 8) scale(0.46)"><defs><linearGradient id="s" x1="0" y1="0" x2="1" y2="0">'
            f'<stop offset="0.5" stop-color="{first}"/><stop offset="0.5" stop-color="{second}"/></linearGradient></defs>'
            f'<g fill="url(#s)" stroke="#1E1E3C" stroke-width="6" stroke-linejoin="round">{shape}</g></g>')
    digit = f'<g transform="translate(55 55) scale(0.32)">{stroked(DIGITS[7], "#000000", 14)}</g>'
    equals = stroked('<path d="M14 66 L40 66 M14 80 L40 80"/>', '#000084', 6)
    return svg(tile + star + digit + equals)


def write(relative, text):
    path = os.path.join(HERE, relative)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, 'w', encoding='utf-8') as stream:
        stream.write(text)


def main():
    for style, ink in (('classic', CLASSIC_INK), ('modern', MODERN_INK)):
        for d in range(10):
            write(f'{style}/digit{d}.svg', svg(stroked(DIGITS[d], ink)))
        for name, shape in OPERATORS.items():
            write(f'{style}/{name}.svg', svg(stroked(shape, ink, 11)))
    for k in range(10):
        write(f'classic/symbol{k}.svg', classic_symbol(k))
        write(f'modern/symbol{k}.svg', modern_symbol(k))
        write(f'print/classic_symbol{k}.svg', classic_symbol(k, for_print=True))
        write(f'print/modern_symbol{k}.svg', modern_symbol(k, for_print=True))
    for name, shape in OPERATORS.items():
        write(f'print/{name}.svg', svg(stroked(shape, '#000000', 11)))
    for name, body in LIST_ICONS.items():
        write(f'icons/{name}.svg', icon(body))
    write('icons/glyphmatic.svg', app_icon())
    write('icons/medal_gold.svg', medal(1, '#F5C400', '#B08800'))
    write('icons/medal_silver.svg', medal(2, '#D8D8E0', '#8A8A96'))
    write('icons/medal_bronze.svg', medal(3, '#D9894A', '#8A4F1E'))
    for look in GRID_LOOKS:
        for d in range(10):
            write(f'grid/{look}{d}.svg', grid_digit(d, look))


if __name__ == '__main__':
    main()
