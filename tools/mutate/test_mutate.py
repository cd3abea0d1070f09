"""Checks of the mutant finder and of the worker's promise to put every file back.
Run: python3 -m unittest discover -s tools/mutate"""

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
