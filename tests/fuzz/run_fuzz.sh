#!/usr/bin/env bash
# Builds the conversion fuzzer with clang and runs it for a bounded time over a
# seed corpus written here. Usage: run_fuzz.sh <work folder> [seconds]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
work="$1"
seconds="${2:-60}"
mkdir -p "$work"
cmake -S "$here" -B "$work/build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo > "$work/configure.log"
cmake --build "$work/build" -j2 > "$work/build.log"

corpus="$work/corpus"
rm -rf "$corpus" && mkdir -p "$corpus"
seed=0
add() { printf '%s' "$1" > "$corpus/seed$((seed++))"; }
add '<h1>Title A</h1><p>foo
bar <strong> b </strong> <em>i</em> <del>s</del> <u>u</u> <code>a`b</code> 5*3 a_b $x$</p>'
add '<ul><li>a<ul><li>b<ol start="3"><li>c<pre><code class="language-c">x
</code></pre></li></ol></li></ul></li><li><p>d</p><p>e</p></li></ul>'
add '<table><thead><tr><th align="center">a</th><th>b|c</th></tr></thead><tbody><tr><td></td><td>2<br>3</td></tr></tbody></table>'
add '<blockquote><h2>q</h2><blockquote><p>deep &amp;copy; &lt;x&gt;</p></blockquote><ul><li>in</li></ul></blockquote>'
add '<p><a href="a b" title="t &quot;q&quot;">l</a> <a href="http://x.org">http://x.org</a> <img src="i.png" alt="i"></p>'
add '<x-equation type="display" contenteditable="false"><annotation encoding="application/x-tex">\sum</annotation></x-equation>'
add '# Heading

- [ ] task
- [x] done

| a | b |
|:-:|---|
|   | 2 |

> quote
> ```
> code
> ```

$$x^2$$ ~~strike~~ _under_ **bold**'
add '<div style="display:none">h</div><script>s</script>t<title>T</title><!-- c --><p>é 漢字 😀</p>'
# Lines ended by a carriage return alone: items md4c sees on lines of their own.
add $'- a\r- b\r  - c\r\r> q\r> r\r'

"$work/build/fuzz_conversion" -artifact_prefix="$work/" -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
  -print_final_stats=1 "$corpus" 2>&1 | tail -n 20
