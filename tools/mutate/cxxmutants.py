"""Finds the mutants of one C++ source file.

A light tokenizer, not a parser: it relies on the code being clang-formatted (binary operators
stand between blanks, templates and pointers do not), which tells a comparison from a template
bracket and a multiplication from a pointer without knowing any types. A mutant it gets wrong
merely fails to build and is reported as such.
"""

from __future__ import annotations

import dataclasses
import hashlib
import re

TOKEN_RE = re.compile(
    r"""
    (?P<ws>\s+)
  | (?P<comment>//[^\n]*|/\*.*?\*/)
  | (?P<string>(?:u8|u|U|L)?R"(?P<delim>[^(\s]*)\(.*?\)(?P=delim)"
             |(?:u8|u|U|L)?"(?:\\.|[^"\\\n])*")
  | (?P<char>(?:u8|u|U|L)?'(?:\\.|[^'\\\n])*')
  | (?P<number>(?:0[xX][0-9a-fA-F']+|0[bB][01']+|\d[\d']*(?:\.\d*)?(?:[eE][+-]?\d+)?
               |\.\d+(?:[eE][+-]?\d+)?)[uUlLfF]*)
  | (?P<ident>[A-Za-z_]\w*)
  | (?P<punct>>>=|<<=|\.\.\.|<=>|::|->|\+\+|--|<<|>>|<=|>=|==|!=|&&|\|\||\+=|-=|\*=|/=|%=
              |&=|\|=|\^=|[-+*/%&|^~!=<>?:;,.(){}\[\]\#])
    """,
    re.S | re.X,
)

KEYWORDS = {
    "alignas", "alignof", "auto", "bool", "break", "case", "catch", "char", "class", "const",
    "constexpr", "continue", "decltype", "default", "delete", "do", "double", "else", "enum",
    "explicit", "extern", "false", "float", "for", "friend", "goto", "if", "inline", "int",
    "long", "mutable", "namespace", "new", "noexcept", "nullptr", "operator", "private",
    "protected", "public", "return", "short", "signed", "sizeof", "static", "static_assert",
    "static_cast", "struct", "switch", "template", "this", "throw", "true", "try", "typedef",
    "typename", "union", "unsigned", "using", "virtual", "void", "volatile", "while",
    "reinterpret_cast", "const_cast", "dynamic_cast", "co_return", "co_await", "co_yield",
}
CONTROL = {"if", "for", "while", "switch", "catch"}
# Statements that start with these are not removed: control flow has no one-line meaning to
# remove, and removing a declaration or a return only fails to build.
NOT_REMOVABLE = KEYWORDS - {"break", "continue", "this", "delete", "throw"}
# Calls whose arguments commute: swapping them is equivalent by construction.
SYMMETRIC_CALLS = {"min", "max", "swap", "equal", "hypot"}
# Arguments of these are not mutated: a debug-build check is not behaviour.
SKIPPED_CALLS = {"assert", "static_assert", "alignas", "sizeof", "alignof", "decltype"}

RELATIONAL = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="}
# A second relational mutant, the opposite direction, catches tests that only try one side.
RELATIONAL_FLIP = {"<": ">", ">": "<", "<=": ">=", ">=": "<="}
ARITHMETIC = {
    "+": "-", "-": "+", "*": "/", "/": "*", "%": "*", "<<": ">>", ">>": "<<",
    "&": "|", "|": "&", "^": "|",
    "+=": "-=", "-=": "+=", "*=": "/=", "/=": "*=", "<<=": ">>=", ">>=": "<<=",
    "&=": "|=", "|=": "&=", "^=": "|=",
}
LOGICAL = {"&&": "||", "||": "&&"}


@dataclasses.dataclass
class Token:
    kind: str
    text: str
    start: int
    end: int


@dataclasses.dataclass
class Mutant:
    path: str  # relative to the repository root
    start: int
    end: int
    replacement: str
    kind: str  # relational, arithmetic, logical, constant, condition, statement, arguments
    description: str
    line: int = 0
    id: str = ""
    line_text: str = ""  # the mutated line, stripped of its indentation

    @property
    def original(self) -> str:
        return self.description.split("`")[1] if self.description.count("`") >= 2 else ""

    def apply(self, source: str) -> str:
        return source[: self.start] + self.replacement + source[self.end :]


def tokenize(source: str) -> list[Token]:
    """Tokens without blanks, comments and preprocessor lines."""
    tokens: list[Token] = []
    pos = 0
    line_start = True
    while pos < len(source):
        if line_start:
            m = re.match(r"[ \t]*#", source[pos:])
            if m:
                # A directive runs to the end of the line, continued by backslashes.
                end = pos
                while True:
                    nl = source.find("\n", end)
                    if nl == -1:
                        end = len(source)
                        break
                    if source[nl - 1] == "\\":
                        end = nl + 1
                        continue
                    end = nl
                    break
                pos = end
                continue
        m = TOKEN_RE.match(source, pos)
        if not m:
            raise ValueError(f"cannot read the source at offset {pos}: {source[pos:pos + 20]!r}")
        kind = m.lastgroup if m.lastgroup != "delim" else "string"
        if kind == "ws" or kind == "comment":
            text = m.group(0)
            if "\n" in text:
                line_start = True
            elif kind == "ws":
                pass  # keeps line_start as it was
            else:
                line_start = False
        else:
            tokens.append(Token(kind, m.group(0), m.start(), m.end()))
            line_start = False
        pos = m.end()
    return tokens


def _spaced(source: str, tok: Token) -> bool:
    """clang-format puts blanks around binary operators and nowhere else."""
    return (
        tok.start > 0
        and source[tok.start - 1] in " \t\n"
        and tok.end < len(source)
        and source[tok.end] in " \t\n"
    )


def _number_mutants(text: str) -> list[str]:
    m = re.fullmatch(r"(0[xX])?([0-9a-fA-F']+)([uUlL]*)", text)
    if not m or "." in text:
        return []
    prefix, digits, suffix = m.group(1) or "", m.group(2).replace("'", ""), m.group(3)
    if prefix:
        value = int(digits, 16)
        upper = digits.upper() == digits
        fmt = (lambda v: prefix + (f"{v:X}" if upper else f"{v:x}") + suffix)
    else:
        if not digits.isdigit() or (len(digits) > 1 and digits.startswith("0")):
            return []  # octal or not a plain integer
        value = int(digits)
        fmt = (lambda v: f"{v}{suffix}")
    out = [fmt(value + 1)]
    if value > 0:
        out.append(fmt(value - 1))
    return out


class _Scanner:
    """One pass over the tokens that marks brackets and statements."""

    def __init__(self, source: str, tokens: list[Token]):
        self.source = source
        self.tokens = tokens
        n = len(tokens)
        self.match = [-1] * n  # index of the matching bracket
        self.paren_kind = [""] * n  # for "(": call, control, group; for "{": code, data
        self.callee = [""] * n  # for a call's "(": the called name
        self.enclosing = [-1] * n  # index of the innermost open bracket around each token
        self.skipped = [False] * n  # inside assert() and the like, or a declared array size
        self.statements: list[tuple[int, int]] = []  # [first, last] token index, last is ";"
        self._scan()

    def _prev(self, i: int) -> Token | None:
        return self.tokens[i - 1] if i > 0 else None

    def _scan(self) -> None:
        toks = self.tokens
        stack: list[int] = []
        skip_depth = 0
        # Where the statement being read starts, for each open code block.
        start_of: dict[int, int] = {}

        def in_code() -> bool:
            return bool(stack) and self.paren_kind[stack[-1]] == "code"

        for i, tok in enumerate(toks):
            self.enclosing[i] = stack[-1] if stack else -1
            self.skipped[i] = skip_depth > 0
            t = tok.text
            if tok.kind == "punct" and t in "({[":
                prev = self._prev(i)
                if t == "(":
                    if prev and prev.kind == "ident":
                        self.callee[i] = prev.text
                    if prev and prev.kind == "ident" and prev.text in CONTROL:
                        self.paren_kind[i] = "control"
                    elif prev and prev.kind == "ident" and prev.text not in KEYWORDS:
                        self.paren_kind[i] = "call"
                    elif prev and prev.text in ("]", ">"):
                        self.paren_kind[i] = "lambda-or-template"
                    else:
                        self.paren_kind[i] = "group"
                    if self.callee[i] in SKIPPED_CALLS:
                        skip_depth += 1
                        self.paren_kind[i] += "+skip"
                elif t == "{":
                    self.paren_kind[i] = "code" if self._opens_code(i, stack) else "data"
                elif t == "[":
                    if self._declares_array(i):
                        skip_depth += 1
                        self.paren_kind[i] = "array+skip"
                    else:
                        self.paren_kind[i] = "index"
                stack.append(i)
                if self.paren_kind[i] == "code":
                    start_of[i] = i + 1
                continue
            if tok.kind == "punct" and t in ")}]":
                if not stack:
                    raise ValueError(f"unbalanced {t!r} at offset {tok.start}")
                open_i = stack.pop()
                self.match[open_i] = i
                self.match[i] = open_i
                if self.paren_kind[open_i].endswith("+skip"):
                    skip_depth -= 1
                if in_code():
                    # A block or a control header ends where the next statement begins.
                    if t == "}" and self.paren_kind[open_i] == "code":
                        start_of[stack[-1]] = i + 1
                    elif t == ")" and self.paren_kind[open_i] == "control":
                        start_of[stack[-1]] = i + 1
                continue
            if not in_code():
                continue
            block = stack[-1]
            start = start_of[block]
            if t in ("else", "do"):
                start_of[block] = i + 1
            elif t == ":" and start < i and toks[start].text in ("case", "default"):
                start_of[block] = i + 1
            elif t == ";":
                if start < i:
                    self.statements.append((start, i))
                start_of[block] = i + 1

    def _opens_code(self, i: int, stack: list[int]) -> bool:
        prev = self._prev(i)
        if prev is None:
            return False
        if prev.text == ")":
            open_i = self.match[i - 1]
            kind = self.paren_kind[open_i] if open_i >= 0 else ""
            return kind.split("+")[0] in ("call", "control", "lambda-or-template")
        if prev.text in ("else", "do", "try", "const", "noexcept", "override", "mutable", "]"):
            return True
        if prev.text in ("{", "}", ";", ":"):
            return bool(stack) and self.paren_kind[stack[-1]] == "code"
        return False

    def _declares_array(self, i: int) -> bool:
        """`Type name[N]` or a further `[M]` after one: a size, not an index."""
        prev = self._prev(i)
        if prev is None:
            return False
        if prev.text == "]":
            open_i = self.match[i - 1]
            return open_i >= 0 and self.paren_kind[open_i].startswith("array")
        if prev.kind != "ident" or i < 2:
            return False
        before = self.tokens[i - 2]
        if before.kind == "ident":
            return before.text not in KEYWORDS or before.text in (
                "int", "char", "bool", "double", "float", "long", "short", "unsigned", "auto")
        return before.text == ">" or (
            before.text in ("*", "&") and not _spaced(self.source, before))

    def is_declaration(self, first: int, last: int) -> bool:
        toks = self.tokens
        head = toks[first]
        if head.kind == "ident" and head.text in NOT_REMOVABLE:
            return True
        # Two names in a row before any operator: `Type name`, `Type* name`, `ns::Type<T> name`.
        prev_name = False
        depth = 0
        for k in range(first, last):
            t = toks[k]
            if t.text == "<" and prev_name and not _spaced(self.source, t):
                depth += 1
                continue
            if t.text == ">" and depth:
                depth -= 1
                prev_name = depth == 0
                continue
            if depth:
                continue
            if t.kind == "ident":
                if prev_name:
                    return True
                prev_name = True
            elif t.text == "::":
                prev_name = False
            elif t.text in ("*", "&", "&&") and not _spaced(self.source, t):
                continue
            else:
                return False
        return False


def find_mutants(path: str, source: str) -> list[Mutant]:
    tokens = tokenize(source)
    sc = _Scanner(source, tokens)
    mutants: list[Mutant] = []

    def add(start: int, end: int, repl: str, kind: str, desc: str) -> None:
        mutants.append(Mutant(path, start, end, repl, kind, desc))

    for i, tok in enumerate(tokens):
        if sc.skipped[i]:
            continue
        t = tok.text
        if tok.kind == "punct" and _spaced(source, tok):
            if t in RELATIONAL:
                add(tok.start, tok.end, RELATIONAL[t], "relational", f"`{t}` -> `{RELATIONAL[t]}`")
                if t in RELATIONAL_FLIP:
                    add(tok.start, tok.end, RELATIONAL_FLIP[t], "relational",
                        f"`{t}` -> `{RELATIONAL_FLIP[t]}`")
            elif t in ARITHMETIC:
                add(tok.start, tok.end, ARITHMETIC[t], "arithmetic", f"`{t}` -> `{ARITHMETIC[t]}`")
            elif t in LOGICAL:
                add(tok.start, tok.end, LOGICAL[t], "logical", f"`{t}` -> `{LOGICAL[t]}`")
        elif tok.kind == "punct" and t == "!":
            add(tok.start, tok.end, "", "condition", "drop `!`")
        elif tok.kind == "number":
            for repl in _number_mutants(t):
                add(tok.start, tok.end, repl, "constant", f"`{t}` -> `{repl}`")
        elif tok.kind == "ident" and t in ("true", "false"):
            repl = "false" if t == "true" else "true"
            add(tok.start, tok.end, repl, "constant", f"`{t}` -> `{repl}`")
        elif tok.kind == "punct" and t == "(" and sc.paren_kind[i] == "control":
            if sc.callee[i] in ("if", "while"):
                close = sc.match[i]
                inner = source[tok.end : tokens[close].start]
                add(tok.end, tokens[close].start, f"!({inner})", "condition",
                    f"negate the `{sc.callee[i]}` condition")
        elif tok.kind == "punct" and t == "(" and sc.paren_kind[i] == "call":
            if sc.callee[i] in SYMMETRIC_CALLS or sc.match[i] < 0:
                continue
            enclosing = sc.enclosing[i]
            inside_code = False
            k = enclosing
            while k >= 0:
                if sc.paren_kind[k] == "code":
                    inside_code = True
                    break
                if sc.paren_kind[k] == "data":
                    k = sc.enclosing[k]
                    continue
                k = sc.enclosing[k]
            if not inside_code:
                continue
            args = _split_arguments(sc, i)
            for a in range(len(args) - 1):
                (s1, e1), (s2, e2) = args[a], args[a + 1]
                first = source[tokens[s1].start : tokens[e1].end]
                second = source[tokens[s2].start : tokens[e2].end]
                if first == second:
                    continue
                between = source[tokens[e1].end : tokens[s2].start]
                add(tokens[s1].start, tokens[e2].end, second + between + first, "arguments",
                    f"swap arguments {a + 1} and {a + 2} of `{sc.callee[i]}`")

    for first, last in sc.statements:
        if sc.skipped[first] or sc.is_declaration(first, last):
            continue
        head = tokens[first]
        if head.text in ("[", "{", ";") or head.text in SKIPPED_CALLS:
            continue
        text = source[head.start : tokens[last].end]
        short = " ".join(text.split())
        if len(short) > 60:
            short = short[:57] + "..."
        # The removed statement's line breaks stay, so the lines after it keep their numbers
        # and code the build leaves out still compiles to the same binary.
        add(head.start, tokens[last].end, "{}" + "\n" * text.count("\n"), "statement",
            f"remove `{short}`")

    _number(mutants, source)
    return mutants


def _split_arguments(sc: _Scanner, open_i: int) -> list[tuple[int, int]]:
    close = sc.match[open_i]
    args: list[tuple[int, int]] = []
    start = open_i + 1
    k = open_i + 1
    while k < close:
        t = sc.tokens[k].text
        if t in "([{" and sc.match[k] > k:
            k = sc.match[k] + 1
            continue
        if t == ",":
            if start < k:
                args.append((start, k - 1))
            start = k + 1
        k += 1
    if start < close:
        args.append((start, close - 1))
    return args


def _number(mutants: list[Mutant], source: str) -> None:
    """Gives each mutant its line and an id that survives edits elsewhere in the file: the id
    hashes the text of the mutated line, the mutation, and how many equal ones come before."""
    line_starts = [0]
    for m in re.finditer("\n", source):
        line_starts.append(m.end())
    import bisect

    mutants.sort(key=lambda m: (m.start, m.end, m.kind, m.replacement))
    seen: dict[tuple, int] = {}
    for m in mutants:
        line = bisect.bisect_right(line_starts, m.start)
        m.line = line
        line_end = source.find("\n", m.start)
        text = source[line_starts[line - 1] : line_end if line_end != -1 else len(source)]
        column = m.start - line_starts[line - 1]
        key = (text.strip(), m.kind, m.description, m.replacement, column - (len(text) - len(text.lstrip())))
        m.line_text = text.strip()
        n = seen.get(key, 0)
        seen[key] = n + 1
        digest = hashlib.sha1(repr((m.path,) + key + (n,)).encode()).hexdigest()
        m.id = digest[:10]
