#!/usr/bin/env python3
"""Reads a settings file as an ordinary INI file and prints its sections as JSON.

Key names are percent-decoded as the settings store writes them: %XX for a character up to
U+00FF, %UXXXX above. Values are taken as they stand; the values read here need no escapes.
The output is ASCII (non-ASCII characters as \\uXXXX), whatever the console's encoding.
"""

import configparser
import json
import re
import sys

KEY_ESCAPE = re.compile(r"%U([0-9A-Fa-f]{4})|%([0-9A-Fa-f]{2})")


def decode_key(key):
    return KEY_ESCAPE.sub(lambda match: chr(int(match.group(1) or match.group(2), 16)), key)


def main():
    parser = configparser.ConfigParser(interpolation=None, delimiters=("=",), comment_prefixes=(";",))
    parser.optionxform = str
    with open(sys.argv[1], encoding="utf-8") as settings_file:
        parser.read_file(settings_file)
    sections = {
        section: {decode_key(key): value for key, value in parser.items(section)} for section in parser.sections()
    }
    json.dump(sections, sys.stdout, ensure_ascii=True)


if __name__ == "__main__":
    main()
