#!/usr/bin/env python3
"""Writes resources/readme.rtf, the notes shown in Setup's readme box.

The committed readme.rtf is the build input; rerun this after editing the text.
Only RTF that the old RichEdit 1.0 control reads well is used: no pictures,
no objects, no paragraph spacing (blank paragraphs instead), cp1252 text.
Inline markup in the text below: **bold**, //italic//.
Usage: python3 make_readme.py [output_file]
"""

import os
import re
import sys

DOC = [
    ("title", "Tessellux 4.7"),
    ("sub", "Tessellations of light \u2013 a screen saver by Orrinwald"),
    ("gap",),
    ("p", "Thank you for choosing Tessellux! Please take a minute to read these "
          "notes before you install. They explain what Tessellux is, what Setup "
          "will do on your computer and how to remove Tessellux again."),

    ("h", "What is Tessellux?"),
    ("p", "Tessellux is a screen saver that fills your screen with tessellations "
          "of light: tiles that cover the plane without gaps, with glowing edges "
          "and light that travels slowly across them. There are four tiling "
          "families:"),
    ("li", "**Lattice** \u2013 regular tilings of squares, triangles and hexagons."),
    ("li", "**Penrose** \u2013 thick and thin rhombs with five-fold symmetry; the "
           "pattern never repeats."),
    ("li", "**Voronoi** \u2013 cells that grow around slowly drifting points."),
    ("li", "**Truchet** \u2013 square tiles whose arcs join into long, winding "
           "paths of light."),
    ("p", "Four palettes colour the light: **Aurora**, **Ember**, **Ocean** and "
          "**Prism**. Each shifts slowly from shade to shade while the screen "
          "saver runs, so the picture is never quite the same twice."),

    ("h", "What Setup will do"),
    ("li", "Copy the screen saver, Tessellux.scr, and its help file, "
           "Tessellux.chm, into your Windows folder. If an earlier Tessellux.scr "
           "is already there, Setup asks you before replacing it."),
    ("li", "Register \u201cTessellux Screen Saver\u201d in Add or Remove Programs, "
           "so that you can uninstall it later."),
    ("li", "Place a \u201cTessellux\u201d shortcut on your desktop, if "
           "\u201cInstall desktop icon for Tessellux\u201d is checked."),
    ("li", "Make Tessellux your screen saver and open the Screen Saver page of "
           "the Display control panel, so that you can watch it straight away "
           "and set the wait time."),

    ("h", "System requirements"),
    ("li", "Windows 7 or later, 32-bit or 64-bit."),
    ("li", "Administrator rights to install (and to uninstall)."),
    ("li", "Any display; Tessellux adapts to its size."),
    ("li", "About 1.4 MB of free disk space."),

    ("h", "Configuring Tessellux"),
    ("p", "Open Display Properties > Screen Saver and click **Settings...**, or "
          "right-click the Tessellux icon on your desktop and choose "
          "**Configure**. You can choose:"),
    ("li", "**Tiling family:** Lattice, Penrose, Voronoi or Truchet, or "
           "//Cycle through all// to see each of them in turn."),
    ("li", "**Speed:** from 1 (a slow drift) to 10 (lively)."),
    ("li", "**Density:** from 1 (a few large tiles) to 10 (a fine mesh of small "
           "ones)."),
    ("li", "**Palette:** Aurora, Ember, Ocean or Prism."),
    ("p", "A live preview in the settings dialog shows every change at once. "
          "The help file, Tessellux.chm, explains each setting in detail and "
          "has tips for older computers."),

    ("h", "Uninstalling"),
    ("p", "Open Add or Remove Programs, select **Tessellux Screen Saver** and "
          "click Uninstall; this runs \u201cTessellux.scr -u\u201d. Tessellux "
          "asks you once to confirm, then removes:"),
    ("li", "the program and its help file;"),
    ("li", "its settings;"),
    ("li", "the desktop icon;"),
    ("li", "its selection as your screen saver."),
    ("p", "Uninstalling needs administrator rights. As a running program cannot "
          "delete itself, the file Tessellux.scr is removed the next time "
          "Windows restarts."),

    ("h", "Version history"),
    ("li", "**4.7.0** \u2013 new //Cycle through all// choice and Prism palette; "
           "live preview in the settings dialog; small mouse jitter no longer "
           "ends the screen saver; new single-file Setup with an optional "
           "desktop icon and one-step uninstall."),
    ("li", "**4.5.2** \u2013 fixed a black preview on some high-resolution "
           "displays; lower processor use at low speeds."),
    ("li", "**4.5.0** \u2013 new Truchet family; density now goes from 1 to 10."),
    ("li", "**4.0.0** \u2013 new Voronoi family; palettes shift slowly while "
           "the screen saver runs; support for multiple monitors."),
    ("li", "**3.2.0** \u2013 new Ocean and Ember palettes; help file added."),
    ("li", "**3.0.0** \u2013 first public release, with the Lattice and Penrose "
           "families and the Aurora palette."),

    ("h", "Licence"),
    ("p", "Tessellux is freeware, copyright \u00a9 Orrinwald."),
    ("li", "You may use Tessellux free of charge, at home or at work, on as "
           "many computers as you like."),
    ("li", "You may share it with others, as long as you pass on the unmodified "
           "Setup program and ask nothing for it."),
    ("li", "You may not modify, sell or repackage Tessellux."),
    ("li", "Tessellux is provided \u201cas is\u201d, without warranty of any "
           "kind. In no event shall Orrinwald be liable for any damage arising "
           "from its use."),
    ("p", "By installing Tessellux you accept these terms."),

    ("h", "Questions?"),
    ("p", "Write to **support@tessellux.example** \u2013 we read every message. "
          "Enjoy the light!"),
]

HEADER = (
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033\n"
    "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
    "{\\f1\\froman\\fcharset0 Times New Roman;}}\n"
    # 1 navy title, 2 blue headings, 3 grey subtitle
    "{\\colortbl ;\\red11\\green24\\blue70;\\red20\\green86\\blue138;"
    "\\red96\\green104\\blue120;}\n"
)

BODY = "\\plain\\f0\\fs18 "
# Bullets as literal text on a hanging indent: RichEdit versions disagree on
# list (\\pn/\\pntext) layout, and some drop \\pntext, but all agree on this.
BULLET = "\\fi-200\\li360\\tx360"
BULLET_MARK = "\\'95\\tab "


def escape(text):
    out = []
    for ch in text:
        if ch in "\\{}":
            out.append("\\" + ch)
        elif ord(ch) < 128:
            out.append(ch)
        else:
            out.append("\\'%02x" % ch.encode("cp1252")[0])
    return "".join(out)


def inline(text):
    text = escape(text)
    text = re.sub(r"\*\*(.+?)\*\*", r"{\\b \1}", text)
    text = re.sub(r"//(.+?)//", r"{\\i \1}", text)
    return text


def wrap(rtf, width=76):
    # Line breaks are ignored in RTF text, so break only after a space.
    lines, line = [], ""
    for word in rtf.split(" "):
        if line and len(line) + len(word) + 1 > width:
            lines.append(line + " ")
            line = word
        else:
            line = word if not line else line + " " + word
    lines.append(line)
    return "\n".join(lines)


def render():
    parts = [HEADER]
    for block in DOC:
        kind = block[0]
        if kind == "title":
            parts.append("\\pard\\qc\\plain\\f0\\fs32\\b\\cf1 %s\\par\n" % escape(block[1]))
        elif kind == "sub":
            parts.append("\\pard\\qc\\plain\\f0\\fs18\\i\\cf3 %s\\par\n" % escape(block[1]))
        elif kind == "gap":
            parts.append("\\pard\\plain\\f0\\fs18\\par\n")
        elif kind == "h":
            # A blank line before each heading stands in for paragraph spacing.
            parts.append("\\pard\\plain\\f0\\fs18\\par\n")
            parts.append("\\pard\\plain\\f0\\fs20\\b\\i\\ul\\cf2 %s\\par\n" % escape(block[1]))
        elif kind == "p":
            parts.append("\\pard" + BODY + "\n" + wrap(inline(block[1])) + "\\par\n")
        elif kind == "li":
            parts.append("\\pard" + BULLET + BODY + BULLET_MARK + "\n"
                         + wrap(inline(block[1])) + "\\par\n")
        else:
            raise ValueError(kind)
    parts.append("}\n")
    return "".join(parts)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(here), "readme.rtf")
    data = render().encode("ascii")
    with open(out, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
