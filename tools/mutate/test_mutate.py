"""Checks of the mutant finder and of the worker's promise to put every file back.
Run: python3 -m unittest discover -s tools/mutate"""

import re
import tempfile
import unittest
from pathlib import Path

import cxxmutants
import mutate

SAMPLE = """\
#include <vector>
#define TWICE(x) ((x) * 2)
// a < b in a comment
namespace n {
constexpr int kSize = 4;
struct S {
    int cells[4][2];
};
int f(const std::vector<int>& v, int* p, int a, int b) {
    assert(a < b);
    const char* text = "a < b";
    int total = a * b;
    if (a < b) total += 1;
    p[a + 1] = g(a, b);
    return total;
}
} // namespace n
"""


def descriptions(source, kind=None):
    return [(m.line, m.description)
            for m in cxxmutants.find_mutants("x.cpp", source) if kind in (None, m.kind)]


class FinderTest(unittest.TestCase):
    def test_leaves_comments_strings_directives_asserts_and_sizes_alone(self):
        lines = {line for line, _ in descriptions(SAMPLE)}
        self.assertTrue(lines.isdisjoint({1, 2, 3, 7, 10, 11}), sorted(lines))

    def test_tells_operators_from_templates_and_pointers(self):
        found = descriptions(SAMPLE, "arithmetic") + descriptions(SAMPLE, "relational")
        self.assertIn((12, "`*` -> `/`"), found)
        self.assertIn((13, "`<` -> `<=`"), found)
        self.assertIn((13, "`+=` -> `-=`"), found)
        self.assertNotIn(9, {line for line, _ in found})  # vector<int>& and int*

    def test_removes_statements_but_not_declarations_or_returns(self):
        removed = descriptions(SAMPLE, "statement")
        self.assertEqual(removed, [(13, "remove `total += 1;`"), (14, "remove `p[a + 1] = g(a, b);`")])
        m = next(m for m in cxxmutants.find_mutants("x.cpp", SAMPLE) if m.kind == "statement")
        self.assertIn("if (a < b) {}", m.apply(SAMPLE))

    def test_a_removed_statement_keeps_its_line_breaks(self):
        source = "void f() {\n    g(a,\n      b);\n    h();\n}\n"
        m = next(m for m in cxxmutants.find_mutants("x.cpp", source) if m.kind == "statement")
        self.assertEqual(m.apply(source), "void f() {\n    {}\n\n    h();\n}\n")

    def test_a_lambda_inside_a_statement_leaves_the_statement_whole(self):
        source = "bool f() {\n    g(a, [](char x) { return x; });\n    return h();\n}\n"
        removed = [d for _, d in descriptions(source, "statement")]
        self.assertEqual(removed, ["remove `g(a, [](char x) { return x; });`"])

    def test_negates_conditions_and_swaps_arguments(self):
        mutants = cxxmutants.find_mutants("x.cpp", SAMPLE)
        texts = [m.apply(SAMPLE) for m in mutants]
        self.assertTrue(any("if (!(a < b))" in t for t in texts))
        self.assertTrue(any("g(b, a)" in t for t in texts))
        self.assertFalse(any("f(int a, const" in t for t in texts))  # a definition, not a call

    def test_ids_survive_edits_elsewhere_and_tell_equal_lines_apart(self):
        source = "void f() {\n    x = 1;\n    x = 1;\n}\n"
        before = [m.id for m in cxxmutants.find_mutants("x.cpp", source)]
        after = [m.id for m in cxxmutants.find_mutants("x.cpp", "// new\n" + source)]
        self.assertEqual(before, after)
        self.assertEqual(len(set(before)), len(before))


class DesignedConstantTest(unittest.TestCase):
    SOURCE = "void f() {\n    button->move((width() - 80) / 2, height() - 25);\n    ok = true;\n}\n"

    def classify(self, literals):
        entries = {("w.cpp", "button->move((width() - 80) / 2, height() - 25);"):
                   mutate.DesignedLine("w.cpp", "", literals, "margin")}
        return {(m.description, mutate.designed_constant(m, entries) is not None)
                for m in cxxmutants.find_mutants("w.cpp", self.SOURCE)}

    def test_only_the_listed_numbers_of_the_line_are_designed(self):
        found = self.classify(frozenset({"25", "80"}))
        self.assertIn(("`25` -> `24`", True), found)
        self.assertIn(("`80` -> `81`", True), found)
        self.assertIn(("`2` -> `3`", False), found)  # the halving centres: behaviour
        self.assertIn(("`-` -> `+`", False), found)

    def test_a_star_takes_every_number_but_never_a_boolean_or_an_operator(self):
        found = self.classify(None)
        self.assertIn(("`2` -> `1`", True), found)
        self.assertIn(("`true` -> `false`", False), found)
        self.assertIn(("`/` -> `*`", False), found)

    def test_the_list_file_keeps_blanks_and_bars_of_the_line(self):
        with tempfile.TemporaryDirectory() as tmp:
            path = Path(tmp) / "designed.txt"
            path.write_text("# comment\nw.cpp | f(Qt::A | Qt::B, 3); | 3 | a size\n")
            entries = mutate.load_designed(path)
            self.assertEqual(list(entries), [("w.cpp", "f(Qt::A | Qt::B, 3);")])
            path.write_text("w.cpp | f(3); | a size\n")
            with self.assertRaises(SystemExit):
                mutate.load_designed(path)


class ReportTest(unittest.TestCase):
    @staticmethod
    def record(id_, status, preset="debug"):
        return mutate.Record(id_, "src/x/a.cpp", 1, "constant", "`1` -> `2`", status, "", 0.0,
                             preset)

    def totals(self, records, marks, designed=None):
        text = mutate.report("src/x", records, marks, {r.id for r in records}, False, designed)
        return text, next(l for l in text.splitlines() if l.startswith("| **all**"))

    def test_a_mark_counts_only_after_the_sanitizer_build_let_the_mutant_through(self):
        marks = {"a": "why", "b": "why", "c": "why"}
        text, total = self.totals([self.record("a", mutate.SURVIVED, "asan"),
                                   self.record("b", mutate.SURVIVED),
                                   self.record("c", mutate.KILLED, "asan"),
                                   self.record("d", mutate.KILLED)], marks)
        # a is equivalent; b is not verified yet and counts as a survivor; c is caught.
        self.assertIn("| 4 | 2 | 0 | 1 | 1 |", total)
        self.assertIn("2 / 3 = 66.7%", total)
        self.assertIn("the mark is refused", text)
        self.assertIn("`c`", text.split("the mark is refused")[1])
        self.assertIn("not yet run in a sanitizer build", text)

    def test_designed_constants_stay_outside_the_rate_whatever_the_tests_did(self):
        text, total = self.totals([self.record("a", mutate.KILLED),
                                   self.record("b", mutate.SURVIVED),
                                   self.record("c", mutate.SURVIVED)], {},
                                  {"a": "size", "b": "size"})
        self.assertIn("| 2 (1 killed) |", total)
        self.assertIn("0 / 1 = 0.0%", total)
        self.assertIn("1 of the designed constants were killed", text)


class TestRunTest(unittest.TestCase):
    def test_a_display_run_goes_through_the_display_script_and_is_left_out_on_request(self):
        runs = mutate.test_runs(["a_tests", "b_tests@wayland"])
        self.assertEqual(runs, [mutate.TestRun("a_tests"), mutate.TestRun("b_tests", "wayland")])
        tree, exe = Path("/t"), Path("/b/b_tests")
        self.assertEqual(runs[0].command(exe, tree), [str(exe)])
        self.assertEqual(runs[1].command(exe, tree),
                         ["bash", "/t/tests/desktop/with-display.sh", "wayland", str(exe)])
        self.assertEqual(mutate.test_runs(["a_tests", "b_tests@x11"], with_display=False),
                         [mutate.TestRun("a_tests")])
        with self.assertRaises(ValueError):
            mutate.TestRun.parse("a_tests@mir")

    def test_every_test_program_of_a_source_folder_runs_for_that_folder(self):
        # A test program left out of its folder's runs lets every mutant it would catch
        # survive. Each program of tests/<name> runs for src/<name>, the window tests also
        # for the folders their windows are built from.
        root = Path(__file__).resolve().parents[2]
        for folder in sorted((root / "tests").iterdir()):
            lists = folder / "CMakeLists.txt"
            source = Path("src") / folder.name
            if not lists.is_file() or str(source) not in mutate.FOLDER_TARGETS:
                continue
            text = lists.read_text()
            names = set(re.findall(r"(?:add_executable|harvesta_results_test)\((\w+)", text))
            for loop_names in re.findall(r"foreach\(name ([\w ]+)\)", text):
                names |= {f"{n}_tests" for n in loop_names.split()}
            runs = {r.target for r in mutate.test_runs(mutate.FOLDER_TARGETS[str(source)])}
            self.assertLessEqual(names, runs, f"{source} leaves out {sorted(names - runs)}")

    def test_a_run_gets_the_settings_ctest_gives_it(self):
        self.assertEqual(mutate.TestRun("scale_tests").environment(), {"QT_SCALE_FACTOR": "2"})
        self.assertEqual(mutate.TestRun("scale_tests", "wayland").environment(),
                         {"HARVESTA_DISPLAY_SCALE": "2"})
        self.assertEqual(mutate.TestRun("translations_tests").environment()["LANG"], "C")


class RestoreTest(unittest.TestCase):
    def test_the_mutated_file_is_put_back_even_when_the_build_is_interrupted(self):
        with tempfile.TemporaryDirectory() as tmp:
            worker = mutate.Worker(0, Path(tmp), [mutate.TestRun("t")], 1)
            path = worker.tree / "a.cpp"
            path.parent.mkdir(parents=True)
            original = "int f() {\n    x = 1;\n    return 0;\n}\n"
            path.write_text(original)
            m = next(m for m in cxxmutants.find_mutants("a.cpp", original) if m.kind == "statement")

            def interrupted(_timeout):
                self.assertNotEqual(path.read_text(), original)
                raise KeyboardInterrupt

            worker._build = interrupted
            with self.assertRaises(KeyboardInterrupt):
                worker.run(m, original)
            self.assertEqual(path.read_text(), original)


if __name__ == "__main__":
    unittest.main()
