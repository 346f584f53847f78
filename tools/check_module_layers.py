#!/usr/bin/env python3
"""Checks that the module's folders include one another only downwards.

    tools/check_module_layers.py SRC LAYER [LAYER ...]

Each LAYER names folders of SRC, lowest first; folders that stand side by side
are joined by a comma ("input,ui"). A file may include headers of its own
folder and of the layers below it, never of a higher layer nor of a folder
beside its own. Every `#include "folder/..."` of every file counts (sources,
headers, resource scripts); an include of a folder that is no part of SRC
(common/, the system's headers) is not looked at. The files at SRC's top may
include any folder, and every folder of SRC must be given a layer.

One line per fault; the exit status is 1 when there is any.
"""
import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"/]+)/[^"]*"', re.MULTILINE)


def main(argv):
    if len(argv) < 3:
        print(__doc__.strip().splitlines()[2].strip(), file=sys.stderr)
        return 2
    src = argv[1]
    layer_of = {}
    for rank, layer in enumerate(argv[2:]):
        for folder in layer.split(","):
            layer_of[folder] = rank

    faults = []
    folders = sorted(entry for entry in os.listdir(src) if os.path.isdir(os.path.join(src, entry)))
    faults += [f"{folder}/: a folder without a layer" for folder in folders if folder not in layer_of]
    faults += [f"{folder}/: a layer without a folder" for folder in layer_of if folder not in folders]

    for folder in folders:
        if folder not in layer_of:
            continue
        for root, _, files in os.walk(os.path.join(src, folder)):
            for name in sorted(files):
                path = os.path.join(root, name)
                with open(path, encoding="utf-8", errors="replace") as file:
                    text = file.read()
                for match in INCLUDE.finditer(text):
                    included = match.group(1)
                    if included == folder or included not in layer_of:
                        continue
                    if layer_of[included] >= layer_of[folder]:
                        line = text.count("\n", 0, match.start()) + 1
                        where = "beside" if layer_of[included] == layer_of[folder] else "above"
                        faults.append(f"{os.path.relpath(path, src)}:{line}: includes {included}/, "
                                      f"which stands {where} {folder}/")

    for fault in faults:
        print(fault)
    print(f"{len(faults)} faults in the includes of {', '.join(argv[2:])}" if faults else
          f"includes go only downwards: {' < '.join(argv[2:])}")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
