"""Every tracked Markdown file: each code fence names its language and is closed (a stray
closing fence opens a block with no language and turns the page into code), and each relative
link or picture leads to a tracked file, and to one of its headings when it names one."""
import re
import subprocess
import sys
from pathlib import Path, PurePosixPath
from posixpath import dirname, join, normpath

FENCE = re.compile(r'^ {0,3}(`{3,}|~{3,})\s*(\S*)')
LINK = re.compile(r'!?\[[^\]]*\]\(<?([^)\s>]+)>?(?:\s+"[^"]*")?\)')


def slug(heading):
    return re.sub(r'[^\w\- ]', '', heading.strip().lower()).replace(' ', '-')


def scan(text):
    """Returns the faults of the fences, the links outside code, and the headings' anchors."""
    faults, links, anchors, fence = [], [], set(), None
    for number, line in enumerate(text.splitlines(), 1):
        mark = FENCE.match(line)
        if fence:
            if mark and mark[2] and mark[1] == fence[0]:
                faults.append(f'line {number}: a fence opened inside the block of line {fence[1]}')
            elif mark and mark[1][0] == fence[0][0] and len(mark[1]) >= len(fence[0]):
                fence = None
        elif mark:
            fence = (mark[1], number)
            if not mark[2]:
                faults.append(f'line {number}: a fence opened without a language')
        else:
            if line.startswith('#'):
                anchors.add(slug(line.lstrip('#')))
            code_free = re.sub(r'`[^`]*`', '', line)
            links += [(number, target) for target in LINK.findall(code_free)]
    if fence:
        faults.append(f'line {fence[1]}: a fence never closed')
    return faults, links, anchors


def main(root):
    tracked = set(subprocess.run(['git', 'ls-files'], cwd=root, capture_output=True,
                                 text=True, check=True).stdout.splitlines())
    pages = {name: scan((Path(root) / name).read_text(encoding='utf-8'))
             for name in tracked if name.endswith('.md')}
    folders = {str(parent) for name in tracked for parent in PurePosixPath(name).parents}
    faults = []
    for name, (fence_faults, links, _) in pages.items():
        faults += [f'{name}: {fault}' for fault in fence_faults]
        for number, target in links:
            if re.match(r'[a-z]+:', target):  # a web address
                continue
            path, _, anchor = target.partition('#')
            path = normpath(join(dirname(name), path)) if path else name
            if path not in tracked and path.rstrip('/') not in folders:
                faults.append(f'{name}: line {number}: {target} is no tracked file')
            elif anchor and path in pages and anchor not in pages[path][2]:
                faults.append(f'{name}: line {number}: {target} names no heading')
    print('\n'.join(faults) or f'{len(pages)} pages checked')
    return 1 if faults else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1]))
