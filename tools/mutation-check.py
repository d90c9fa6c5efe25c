#!/usr/bin/env python3
"""Plants the faults of tools/mutation-faults.txt one at a time, rebuilds, and runs the
tests one by one until one fails: a fault is killed when a test fails, and survives when
every test passes. Prints one line per fault and a summary. A developer's measure of the
tests; it takes an hour or two and is not part of CI.

  tools/mutation-check.py [--build DIR] [--only ID[,ID...]] [--list] [--compile-only]
                          [--results FILE]

Build DIR (default <repo>/build) must be built and its Wine prefix prepared; its native
sanitizer build <DIR>/native is rebuilt and tested too when it exists. The order of the
tests: the fault's hint, the native tests, then the Wine tests by their last run time
(CTest's cost data), cheapest first. The original file is always put back, also on
Ctrl-C, and the tree is rebuilt once at the end. Per-fault build and test output goes
to <DIR>/mutation-logs/<ID>.log.
"""
import argparse
import os
import re
import signal
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
WINE_TEST_TIMEOUT = 600
NATIVE_TEST_TIMEOUT = 300


def parse_faults(path):
    """The blocks of the fault list, each a dict (see the list's header for the format)."""
    faults, fault, snippet = [], None, None
    for number, line in enumerate(path.read_text().splitlines(), 1):
        if line.startswith('#'):
            continue
        if not line.strip():
            fault = snippet = None
            continue
        if line.startswith('|'):
            if snippet is None:
                sys.exit(f'{path}:{number}: a "|" line outside old: or new:')
            fault[snippet].append(line[1:])
            continue
        key, _, value = line.partition(':')
        key, value = key.strip(), value.strip()
        if key == 'id':
            fault = {'id': value, 'file': '', 'what': '', 'hint': [], 'old': [], 'new': []}
            faults.append(fault)
            snippet = None
        elif fault is None or key not in ('file', 'what', 'hint', 'old', 'new'):
            sys.exit(f'{path}:{number}: expected "id:" or a known key, got: {line}')
        elif key in ('old', 'new'):
            snippet = key
        elif key == 'hint':
            fault['hint'] = [name.strip() for name in value.split(',') if name.strip()]
        else:
            fault[key] = value
    for fault in faults:
        if not (fault['file'] and fault['what'] and fault['old']):
            sys.exit(f'{path}: fault {fault["id"]} needs file, what and old')
        fault['old'] = '\n'.join(fault['old'])
        fault['new'] = '\n'.join(fault['new'])
    return faults


def ctest_escape(name):
    return re.sub(r'([][.*+?^$|()\\])', r'\\\1', name)


def test_names(test_dir):
    listing = subprocess.run(['ctest', '--test-dir', str(test_dir), '-N'],
                             capture_output=True, text=True).stdout
    return re.findall(r'^\s*Test\s+#\d+: (\S+)', listing, re.M)


def wine_tests_by_cost(build):
    """The Wine build's tests, cheapest first; tests without a recorded cost go last."""
    costs = {}
    cost_file = build / 'Testing' / 'Temporary' / 'CTestCostData.txt'
    if cost_file.exists():
        for line in cost_file.read_text().splitlines():
            if line.startswith('---'):
                break
            parts = line.split()
            if len(parts) == 3:
                costs[parts[0]] = float(parts[2])
    names = test_names(build)
    return sorted(names, key=lambda name: costs.get(name, float('inf')))


class Runner:
    def __init__(self, build, log_dir):
        self.build, self.native = build, build / 'native'
        self.has_native = (self.native / 'CMakeCache.txt').exists()
        self.log_dir = log_dir
        self.log = None

    def run(self, command):
        self.log.write(f'\n$ {" ".join(map(str, command))}\n')
        self.log.flush()
        # One failing case kills the fault, so a test program stops at its first.
        env = dict(os.environ, GTEST_FAIL_FAST='1')
        done = subprocess.run(command, cwd=ROOT, env=env, stdout=self.log,
                              stderr=subprocess.STDOUT)
        return done.returncode == 0

    def rebuild(self, install=True):
        """False when the tree does not build."""
        if self.has_native and not self.run(['cmake', '--build', self.native, '-j2']):
            return False
        if not self.run(['cmake', '--build', self.build, '-j2']):
            return False
        return not install or self.run([ROOT / 'tools' / 'wine-env.sh', self.build])

    def test_order(self, hint):
        native = test_names(self.native) if self.has_native else []
        wine = wine_tests_by_cost(self.build)
        order = [(self.native, n, NATIVE_TEST_TIMEOUT) for n in native]
        order += [(self.build, n, WINE_TEST_TIMEOUT) for n in wine]
        first = [t for name in hint for t in order if t[1] == name]
        return first + [t for t in order if t not in first]

    def first_failing_test(self, hint):
        for test_dir, name, timeout in self.test_order(hint):
            if not self.run(['ctest', '--test-dir', test_dir, '--output-on-failure',
                             '-R', f'^{ctest_escape(name)}$', '--timeout', str(timeout)]):
                return name
        return None


def check_fault(fault, runner, compile_only):
    """(verdict, test) for one fault; the file is put back whatever happens."""
    path = ROOT / fault['file']
    original = path.read_bytes()
    text = original.decode()
    if text.count(fault['old']) != 1:
        return 'stale', f'old text found {text.count(fault["old"])} times'
    with open(runner.log_dir / f'{fault["id"]}.log', 'w') as runner.log:
        try:
            path.write_text(text.replace(fault['old'], fault['new']))
            if not runner.rebuild(install=not compile_only):
                return 'did not build', '-'
            if compile_only:
                log = (runner.log_dir / f'{fault["id"]}.log').read_text()
                return ('builds', 'WARNINGS') if 'warning:' in log else ('builds', '-')
            killer = runner.first_failing_test(fault['hint'])
            return ('killed', killer) if killer else ('SURVIVED', '-')
        finally:
            path.write_bytes(original)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n\n')[0])
    parser.add_argument('--build', type=Path, default=ROOT / 'build')
    parser.add_argument('--only', help='comma-separated fault ids')
    parser.add_argument('--list', action='store_true',
                        help='list the faults and check their old texts, build nothing')
    parser.add_argument('--compile-only', action='store_true',
                        help='only check that each mutant builds, without warnings')
    parser.add_argument('--results', type=Path, help='default <build>/mutation-results.txt')
    parser.add_argument('--faults', type=Path, default=ROOT / 'tools' / 'mutation-faults.txt')
    args = parser.parse_args()

    faults = parse_faults(args.faults)
    if args.only:
        wanted = args.only.split(',')
        unknown = set(wanted) - {f['id'] for f in faults}
        if unknown:
            sys.exit(f'unknown fault ids: {", ".join(sorted(unknown))}')
        faults = [f for f in faults if f['id'] in wanted]
    if args.list:
        for f in faults:
            found = (ROOT / f['file']).read_text().count(f['old'])
            state = 'ok' if found == 1 else f'STALE (found {found} times)'
            print(f'{f["id"]:<4} {state:<8} {f["file"]}: {f["what"]}')
        return

    build = args.build.resolve()
    results_path = args.results or build / 'mutation-results.txt'
    log_dir = build / 'mutation-logs'
    log_dir.mkdir(parents=True, exist_ok=True)
    runner = Runner(build, log_dir)
    # A plain kill ends the run as Ctrl-C does: the file goes back and the tree is rebuilt.
    signal.signal(signal.SIGTERM, signal.default_int_handler)

    lines, counted, killed, survivors = [], 0, 0, []
    started = time.time()
    with open(results_path, 'w') as results:
        def report(line):
            print(line, flush=True)
            results.write(line + '\n')
            results.flush()
            lines.append(line)

        try:
            report(f'# mutation check, {time.strftime("%Y-%m-%d %H:%M")}, build {build}')
            for fault in faults:
                fault_started = time.time()
                verdict, test = check_fault(fault, runner, args.compile_only)
                seconds = time.time() - fault_started
                report(f'{fault["id"]:<4} {verdict:<9} {test:<28} {fault["file"]}: '
                       f'{fault["what"]}  ({seconds:.0f} s)')
                if verdict in ('killed', 'SURVIVED'):
                    counted += 1
                    killed += verdict == 'killed'
                    if verdict == 'SURVIVED':
                        survivors.append(f'{fault["id"]} {fault["file"]}: {fault["what"]}')
        except KeyboardInterrupt:
            report('# interrupted')
        finally:
            with open(log_dir / 'final-rebuild.log', 'w') as runner.log:
                rebuilt = runner.rebuild()
            if not rebuilt:
                report(f'# the final rebuild failed: see {log_dir / "final-rebuild.log"}')
        if not args.compile_only:
            report(f'killed {killed} of {counted}  ({(time.time() - started) / 60:.0f} min)')
            report('survivors: ' + ('none' if not survivors else ''))
            for survivor in survivors:
                report(f'  {survivor}')


if __name__ == '__main__':
    main()
