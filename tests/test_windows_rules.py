#!/usr/bin/env python3
"""The Windows rules check refuses a program with the faults Wine forgives: the
other processor's manifest, no version resource, the compiler's runtime DLLs.

    tests/test_windows_rules.py VERSION FIXTURE.exe
"""
import os
import subprocess
import sys

checker = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools", "check_windows_binaries.py")
version, fixture = sys.argv[1:3]
result = subprocess.run([sys.executable, checker, "--version", version, fixture], capture_output=True, text=True)
print(result.stdout, result.stderr, sep="", end="")

expected = ["processorArchitecture=", "no version information", "imports libstdc++-6.dll"]
missing = [text for text in expected if not any(text in line and "FAIL" in line for line in result.stdout.splitlines())]
if missing or result.returncode != 1:
    print("test_windows_rules: the check exited with %d and named none of: %s" % (result.returncode, ", ".join(missing)))
    sys.exit(1)
print("test_windows_rules: the check refused the fixture and named each fault")
