#!/usr/bin/env python3
"""The manual pages against the programs they describe, and against groff.

  manual_pages.py render PAGE...                  groff -man -ww -z reports nothing
  manual_pages.py tessmark PROGRAM PAGE VERSION   --version, and the options, operations and keys
                                                  of --help are the page's
  manual_pages.py vornade PROGRAM PAGE VERSION    --version, --help and a refused option without a
                                                  display; the options of --help are the page's; an
                                                  X display that does not answer is no display
  manual_pages.py formats PROGRAM COMPLETION PAGE...
                                                  the picture files the pages and the completion
                                                  list are those tessmark --help lists
  manual_pages.py templates FOLDER                no file there that man takes for a page (NAME.1)
                                                  holds a placeholder the build fills in (@NAME@)
"""
import os
import re
import subprocess
import sys

FAILURES = []


def fail(text):
    FAILURES.append(text)


def run(args, env=None):
    return subprocess.run(args, env=env, stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True, timeout=60)


# Reading a page

def roff_words(arguments):
    """The arguments of a font macro, double quotes grouping blanks."""
    return [quoted if quoted else bare for quoted, bare in re.findall(r'"([^"]*)"|(\S+)', arguments)]


def plain(line):
    """A line of the page as it reads: macros applied, escapes undone."""
    macro = re.match(r'^\.(B|I|BI|IB|BR|RB|IR|RI)\s+(.*)$', line)
    if macro:
        words = roff_words(macro.group(2))
        line = ("" if len(macro.group(1)) == 2 else " ").join(words)
    for escape, text in ((r'\\f[BIRP]', ''), (r'\\c', ''), (r'\\&', ''), (r'\\-', '-'), (r'\\e', '\\'),
                         (r"\\\(aq", "'"), (r'\\\((lq|rq)', '"'), (r'\\\(mu', 'x')):
        line = re.sub(escape, lambda _, text=text: text, line)
    return line


def sections(page):
    """Section name -> (tag lines of its .TP entries, all its text), subsections included."""
    found = {}
    name = None
    lines = open(page, encoding="utf-8").read().splitlines()
    for i, line in enumerate(lines):
        heading = re.match(r'^\.SH\s+"?([^"]*)"?$', line)
        if heading:
            name = heading.group(1)
            found[name] = ([], [])
            continue
        if name is None:
            continue
        tags, text = found[name]
        if line == ".TP" and i + 1 < len(lines):
            tags.append(plain(lines[i + 1]))
        if not line.startswith('.') or re.match(r'^\.(B|I|BI|IB|BR|RB|IR|RI)\s', line):
            text.append(plain(line))
    return found


def options_in(text):
    return set(re.findall(r'(?<![\w-])(--?[a-z][a-z-]*)', text))


# The checks

def render(pages):
    for page in pages:
        done = run(["groff", "-man", "-ww", "-z", page])
        if done.returncode != 0 or done.stderr or done.stdout:
            fail(f"groff -man -ww -z {page}: status {done.returncode}\n{done.stderr}{done.stdout}")


def templates(folder):
    for name in filter(lambda name: re.search(r'\.[1-9]$', name), sorted(os.listdir(folder))):
        if re.search(r'@[A-Z_]+@', open(os.path.join(folder, name), encoding="utf-8").read()):
            fail(f"{folder}/{name} reads as a page but holds a placeholder of the build: name it {name}.in")


def version(program, name, expected, env=None):
    done = run([program, "--version"], env)
    if done.returncode != 0 or done.stdout != f"{name} {expected}\n":
        fail(f"{name} --version printed {done.stdout!r} with status {done.returncode}, not '{name} {expected}'")


def compare_options(program, page, listed, documented):
    for option in sorted(listed - documented):
        fail(f"{program} --help lists {option}, which the OPTIONS of {page} lack: describe it there")
    for option in sorted(documented - listed):
        fail(f"{page} describes {option} under OPTIONS, which {program} --help does not list")


def operations_of_help(help_text):
    return {name: set(keys.split(", "))
            for name, keys in re.findall(r'^  ([a-z]+): ([a-z]+(?:, [a-z]+)*)\s*$', help_text, re.M)}


def operations_of_page(tags):
    found = {}
    for tag in tags:
        operation = re.match(r'^([a-z]+):([a-z]+(?:,[a-z]+)*)$', tag)
        if operation:
            found[operation.group(1)] = set(operation.group(2).split(","))
    return found


def check_tessmark(program, page, expected):
    version(program, "tessmark", expected)
    done = run([program, "--help"])
    if done.returncode != 0:
        fail(f"tessmark --help ended with status {done.returncode}")
    help_text = done.stdout
    parts = sections(page)
    option_tags, _ = parts.get("OPTIONS", ([], []))
    compare_options("tessmark", page, options_in(help_text), options_in("\n".join(option_tags)))

    operation_tags, operation_text = parts.get("OPERATIONS", ([], []))
    listed = operations_of_help(help_text)
    documented = operations_of_page(operation_tags)
    if not listed:
        fail("tessmark --help lists no operation as '  name: key, key'")
    for name in sorted(set(listed) | set(documented)):
        if name not in documented:
            fail(f"tessmark --help lists the operation {name}, which the OPERATIONS of {page} lack")
        elif name not in listed:
            fail(f"{page} describes the operation {name}, which tessmark --help does not list")
        elif listed[name] != documented[name]:
            fail(f"{name}: tessmark --help gives the keys {sorted(listed[name])}, {page} {sorted(documented[name])}")

    # Keys that --help writes as key=... (those of every operation among them) are in the page too,
    # under OPERATIONS, or under OPTIONS for the keys of an option's value.
    page_text = "\n".join(operation_text + option_tags + parts.get("OPTIONS", ([], []))[1])
    operation_keys = set().union(*documented.values()) if documented else set()
    common = re.search(r'also takes ([a-z, ]+):', help_text)
    described = help_text.split("\nExamples:")[0]
    keys = set(re.findall(r'\b([a-z]+)=', described)) | set(re.findall(r'[a-z]+', common.group(1) if common else ""))
    for key in sorted(keys - {"and"}):
        if key not in operation_keys and f"{key}=" not in page_text:
            fail(f"tessmark --help names the key {key}=, which the OPERATIONS of {page} do not describe")
    for word in set(re.findall(r'@[A-Z]+', help_text)) - set(re.findall(r'@[A-Z]+', page_text)):
        fail(f"tessmark --help describes {word}, which {page} does not")


def check_vornade(program, page, expected):
    # No display, as on a server or in a package build.
    env = {k: v for k, v in os.environ.items()
           if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE")}
    version(program, "vornade", expected, env)
    done = run([program, "--help"], env)
    if done.returncode != 0 or not done.stdout.startswith("Usage: vornade"):
        fail(f"vornade --help without a display: status {done.returncode}\n{done.stdout}{done.stderr}")
    # An X display that does not answer, however it is named, is no display.
    no_display = run([program], env)
    silent = next(f":{number}" for number in range(4000, 4100) if not os.path.exists(f"/tmp/.X11-unix/X{number}"))
    for more, arguments in (({"DISPLAY": silent}, []), ({"DISPLAY": ""}, []), ({}, ["-display", silent]),
                            ({"QT_QPA_PLATFORM": "xcb"}, [])):
        answer = run([program, *arguments], dict(env, **more))
        if no_display.returncode != 1 or (answer.returncode, answer.stderr) != (1, no_display.stderr):
            fail(f"vornade {arguments} with {more}: status {answer.returncode}, {answer.stderr!r}; expected 1 and "
                 f"{no_display.stderr!r}, as without a display")
    refused = run([program, "--no-such-option"], env)
    if refused.returncode != 2 or refused.stderr.count("\n") != 1:
        fail(f"vornade --no-such-option: status {refused.returncode}, {refused.stderr!r}; expected 2 and one line")
    option_tags, _ = sections(page).get("OPTIONS", ([], []))
    bare = lambda options: {option.lstrip("-") for option in options}
    compare_options("vornade", page, bare(options_in(done.stdout)), bare(options_in("\n".join(option_tags))))


def extensions(text):
    return re.findall(r'\.([a-z]+)\b', text)


def check_formats(program, completion, pages):
    help_text = run([program, "--help"]).stdout
    read = re.search(r'--input FILE +start from a picture file \(([^)]*)\)', help_text)
    written = re.search(r' -o (\S+) OPERATION', help_text)
    if not read or not written:
        fail(f"{program} --help names no picture files read (--input) or written (-o)")
        return
    read, written = extensions(read.group(1)), extensions(written.group(1))
    for page in pages:
        text = " ".join(line for _, lines in sections(page).values() for line in lines)
        for listed in re.findall(r'\((\.[a-z]+(?:(?:, | or )\.[a-z]+)+)\)', text):
            if extensions(listed) != read:
                fail(f"{page} lists the picture files ({listed}); tessmark --help reads {read}")
        for found in (re.findall(r'OUT\.([a-z]+)', text), extensions(" ".join(re.findall(r'chooses the format:(.*?\))\.', text)))):
            if found and found != written:
                fail(f"{page} writes the picture files {found}; tessmark --help writes {written}")
    script = open(completion, encoding="utf-8").read()
    for option, expected in (("--output", written), ("--input", read)):
        offered = re.search(option + r"\)\s*_filedir '@\(([a-z|]+)\)'", script)
        if not offered or set(offered.group(1).split("|")) != set(expected):
            fail(f"{completion} completes {option} with {offered and offered.group(1)}, not {'|'.join(expected)}")


def main():
    mode, arguments = sys.argv[1], sys.argv[2:]
    if mode == "render":
        render(arguments)
    elif mode == "tessmark":
        check_tessmark(*arguments)
    elif mode == "vornade":
        check_vornade(*arguments)
    elif mode == "formats":
        check_formats(arguments[0], arguments[1], arguments[2:])
    elif mode == "templates":
        templates(*arguments)
    for failure in FAILURES:
        print("FAIL:", failure)
    return 1 if FAILURES else 0


if __name__ == "__main__":
    sys.exit(main())
