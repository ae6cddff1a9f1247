#!/usr/bin/env python3
"""Packs the release a Windows user downloads: BUILD/dist/Pratilo-<version>.zip, holding one folder
Pratilo-<version>/ with the program, its payload, the user's guide in French and English, the
third-party notices taken from the installed Debian packages, and the SHA-256 of those files.

The same commit gives the same bytes: entries in a fixed order, every time the commit's.
Usage: dist.py BUILD_DIR VERSION DEPS_DIR
"""
import hashlib
import os
import subprocess
import sys
import time
import zipfile

build, version, deps = os.path.abspath(sys.argv[1]), sys.argv[2], os.path.abspath(sys.argv[3])
here = os.path.dirname(os.path.abspath(__file__))
root = os.path.dirname(here)
name = f"Pratilo-{version}"

# Where the licences of what the program links statically come from, in the notices' order.
NOTICES = [
    ("zlib", ["/usr/share/doc/libz-mingw-w64-dev/copyright"]),
    ("libjpeg-turbo, with the Independent JPEG Group's notice",
     [f"{deps}/libjpeg/share/doc/libjpeg-turbo/LICENSE.md", f"{deps}/libjpeg/share/doc/libjpeg-turbo/README.ijg"]),
    ("The mingw-w64 runtime and winpthreads", ["/usr/share/doc/mingw-w64-x86-64-dev/copyright"]),
    ("The GCC runtime libraries (libstdc++, libgcc) and the GCC Runtime Library Exception",
     ["/usr/share/doc/gcc-mingw-w64-base/copyright"]),
]


def windows_text(text):
    """As Notepad on Windows 7 reads it: UTF-8 with a byte-order mark, CRLF line ends."""
    return b"\xef\xbb\xbf" + text.replace("\r\n", "\n").replace("\n", "\r\n").encode("utf-8")


def usage(lang):
    """The program's own usage text, as /? gives it."""
    out = subprocess.run([f"{here}/wine-run.sh", f"{build}/wineprefix", f"{build}/bin/Pratilo.exe", "/?",
                          f"/lang={lang}"], check=True, capture_output=True).stdout.decode("utf-8")
    return out.replace("\r\n", "\n")


def guide(template, lang):
    with open(f"{root}/docs/{template}", encoding="utf-8") as f:
        text = f.read()
    usage_text = "".join("    " + line + "\n" if line else "\n" for line in usage(lang).rstrip("\n").split("\n"))
    return windows_text(text.replace("@VERSION@", version).replace("@USAGE@", usage_text))


def notices():
    parts = ["Third-party notices\n===================\n\n"
             "Pratilo.exe is linked statically with the software below. Each licence follows as the Debian "
             "package it was built from ships it.\n"]
    for title, paths in NOTICES:
        parts.append("\n\n" + title + "\n" + "-" * len(title) + "\n")
        for path in paths:
            with open(path, encoding="utf-8") as f:
                parts.append("\n" + f.read())
    return windows_text("".join(parts))


def commit_time():
    try:
        out = subprocess.run(["git", "-C", root, "log", "-1", "--format=%ct"], check=True, capture_output=True)
        return int(out.stdout)
    except (subprocess.CalledProcessError, ValueError, FileNotFoundError):
        return 315532800  # 1980-01-01, the first time a zip entry can have


def main():
    files = {}
    for program in ("Pratilo.exe", "Pratilo.bin"):
        with open(f"{build}/bin/{program}", "rb") as f:
            files[program] = f.read()
    files["README.txt"] = guide("README.txt.in", "E")
    files["LISEZMOI.txt"] = guide("LISEZMOI.txt.in", "F")
    files["THIRD-PARTY-NOTICES.txt"] = notices()
    sums = "".join(f"{hashlib.sha256(data).hexdigest()}  {n}\n" for n, data in sorted(files.items()))
    files["SHA256SUMS.txt"] = sums.encode("ascii")

    stamp = time.gmtime(commit_time())[:6]
    os.makedirs(f"{build}/dist", exist_ok=True)
    archive = f"{build}/dist/{name}.zip"
    partial = archive + ".partial"
    with zipfile.ZipFile(partial, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as zip_file:
        folder = zipfile.ZipInfo(name + "/", stamp)
        folder.create_system = 0
        folder.external_attr = 0x10  # a folder, as Windows writes it
        zip_file.writestr(folder, b"")
        for n, data in sorted(files.items()):
            entry = zipfile.ZipInfo(f"{name}/{n}", stamp)
            entry.create_system = 0
            entry.external_attr = 0x20
            entry.compress_type = zipfile.ZIP_DEFLATED
            zip_file.writestr(entry, data, compresslevel=9)
    os.replace(partial, archive)
    with open(archive, "rb") as f:
        digest = hashlib.sha256(f.read()).hexdigest()
    print(f"{archive}\nSHA-256 {digest}")


main()
