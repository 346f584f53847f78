#!/usr/bin/env python3
"""Packs a dist folder (tools/dist.sh) as the portable copy users unzip and run.

    tools/portable_zip.py DIST_FOLDER ZIP_FILE

The zip holds one folder, Quillbracket, with the dist folder's files and a
quillhost.portable marker, by which quillhost keeps its settings beside itself
and leaves the registry alone.
"""
import os
import sys
import zipfile

FOLDER = "Quillbracket"
MARKER = "quillhost.portable"
MARKER_TEXT = ("This file makes this copy of Quillbracket portable: quillhost keeps its settings\r\n"
               "in quillhost.ini beside it and never writes the registry.\r\n")


def main(dist, zip_path):
    os.makedirs(os.path.dirname(os.path.abspath(zip_path)), exist_ok=True)
    partial = zip_path + ".partial"
    with zipfile.ZipFile(partial, "w", zipfile.ZIP_DEFLATED) as archive:
        for root, folders, files in os.walk(dist):
            folders.sort()
            for name in sorted(files):
                path = os.path.join(root, name)
                archive.write(path, os.path.join(FOLDER, os.path.relpath(path, dist)).replace(os.sep, "/"))
        archive.writestr(f"{FOLDER}/{MARKER}", MARKER_TEXT)
    os.replace(partial, zip_path)
    print(f"{zip_path}: {dist} and {MARKER}")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit("usage: tools/portable_zip.py DIST_FOLDER ZIP_FILE")
    main(sys.argv[1], sys.argv[2])
