#!/usr/bin/python3
"""Writes the placeholder asset pack into the game's data folder.

    /usr/bin/python3 tools/assetgen/generate.py <outdir>

Every module listed in MODULES has generate(outdir), which writes its files
and returns their paths.  Files are overwritten in place (never deleted), so
anything else in outdir -- the committed collision maps -- stays untouched.
A finished run touches <outdir>/.assets-stamp for the build system.
"""

import os
import sys
import time

# The generator runs from the source tree during the build; keep it clean.
sys.dont_write_bytecode = True

HERE = os.path.dirname(os.path.abspath(__file__))
if HERE not in sys.path:
    sys.path.insert(0, HERE)

import font  # noqa: E402
import frontend  # noqa: E402
import frontend_audio  # noqa: E402
import level0  # noqa: E402
import level1  # noqa: E402
import level2  # noqa: E402
import level3  # noqa: E402

# One module per part of the game; level modules join this list.
MODULES = [font, frontend_audio, frontend, level0, level1, level2, level3]


def main(argv):
    if len(argv) != 2:
        print(f"usage: {argv[0]} <outdir>", file=sys.stderr)
        return 2
    outdir = os.path.abspath(argv[1])
    os.makedirs(outdir, exist_ok=True)
    start = time.time()
    count = 0
    for module in MODULES:
        count += len(module.generate(outdir))
    stamp = os.path.join(outdir, ".assets-stamp")
    with open(stamp, "w") as f:
        f.write(f"{count} files\n")
    os.utime(stamp, None)
    print(f"assetgen: {count} files in {outdir} ({time.time() - start:.1f} s)")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
