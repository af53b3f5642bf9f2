"""Writes profile (INI) files as UTF-16LE with a byte-order mark and CRLF line ends: the encoding the
Windows profile functions read and write without losing non-Latin text."""


def render(sections):
    """sections: list of (section name, list of (key, value)); a key of None writes a comment line."""
    lines = []
    for name, entries in sections:
        if lines:
            lines.append("")
        lines.append("[%s]" % name)
        for key, value in entries:
            lines.append("; " + value if key is None else "%s=%s" % (key, value))
    return "\ufeff".encode("utf-16-le") + ("\r\n".join(lines) + "\r\n").encode("utf-16-le")


def colour(r, g, b):
    """The framework's colour number: red in the lowest byte."""
    return r | g << 8 | b << 16
