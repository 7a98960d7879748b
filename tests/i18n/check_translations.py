#!/usr/bin/env python3
"""Fails when a language lacks a translation of any text in the code, or a help page
with the English page's anchors.

Usage: check_translations.py --lupdate PATH --source-root DIR --help-dir DIR
           [--english-help FILE] -- LUPDATE_OPTIONS_AND_SOURCES... -ts TS_FILES...

lupdate brings copies of the committed catalogues up to date in a temporary folder,
so a text added to the code since they were last updated counts as untranslated, and
the source tree is left alone.
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

ANCHOR = re.compile(r'<a\s[^>]*\bname\s*=\s*["\']([^"\']+)["\']|\bid\s*=\s*["\']([^"\']+)["\']',
                    re.IGNORECASE)


def untranslated(ts_path):
    """(context, source) of every current message without a finished translation."""
    missing = []
    for context in ElementTree.parse(ts_path).getroot().iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            translation = message.find("translation")
            kind = translation.get("type", "") if translation is not None else "unfinished"
            if kind in ("vanished", "obsolete"):
                continue
            forms = translation.findall("numerusform") if translation is not None else []
            texts = [f.text or "" for f in forms] if forms else [
                translation.text or "" if translation is not None else ""]
            if kind == "unfinished" or any(not t.strip() for t in texts):
                missing.append((name, message.findtext("source", "")))
    return missing


def anchors(html_path):
    with open(html_path, encoding="utf-8", errors="replace") as page:
        return {a or b for a, b in ANCHOR.findall(page.read())}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lupdate", required=True)
    parser.add_argument("--source-root", required=True)
    parser.add_argument("--help-dir", required=True)
    parser.add_argument("--english-help", required=True)
    parser.add_argument("rest", nargs=argparse.REMAINDER)
    args = parser.parse_args()
    rest = args.rest[1:] if args.rest[:1] == ["--"] else args.rest
    split = rest.index("-ts")
    lupdate_args, ts_files = rest[:split], rest[split + 1:]

    failures = []
    with tempfile.TemporaryDirectory() as work:
        copies = []
        for ts in ts_files:
            copy = os.path.join(work, os.path.basename(ts))
            shutil.copyfile(ts, copy)
            copies.append(copy)
        run = subprocess.run([args.lupdate, *lupdate_args, "-ts", *copies],
                             cwd=args.source_root, capture_output=True, text=True)
        if run.returncode != 0:
            print(run.stdout + run.stderr)
            print("lupdate failed")
            return 1
        for copy in copies:
            missing = untranslated(copy)
            if missing:
                failures.append(f"{os.path.basename(copy)}: {len(missing)} untranslated")
                failures += [f"    {context}: {source!r}" for context, source in missing]

    english = anchors(args.english_help)
    for ts in ts_files:
        language = re.sub(r"^mervane_|\.ts$", "", os.path.basename(ts))
        page = os.path.join(args.help_dir, f"mervane_{language}.htm")
        if not os.path.exists(page):
            failures.append(f"no help page {page}")
            continue
        lacking = english - anchors(page)
        if lacking:
            failures.append(f"{page} lacks the anchors {', '.join(sorted(lacking))}")

    print("\n".join(failures) if failures else "every text and help page is translated")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
