#!/usr/bin/env bash
# Checked builds and runs, each in its own build folder reused by ccache:
#   build-asan  clang, -O1, AddressSanitizer + UndefinedBehaviorSanitizer, and the
#               libFuzzer targets (fuzz/): the whole test suite, every parser fuzzed
#   build-tsan  clang, -O1, ThreadSanitizer: the threaded tests (hub, engines,
#               display workers, play)
# Usage:
#   scripts/sanitize.sh ci             every stage, each timed (CI: scripts/setup.sh test)
#   scripts/sanitize.sh build-fuzz     build the fuzz targets only
#   scripts/sanitize.sh seeds DIR      write the seed corpus (valid files) into DIR/TARGET/
#   scripts/sanitize.sh fuzz TARGET S  fuzz one target for S seconds
# Both folders are built -O1 without debug information, one translation unit per
# eight sources and with precompiled Qt headers: CI builds them from a cold cache.
set -euo pipefail
cd "$(dirname "$0")/.."
# clang and its sanitizer and libFuzzer runtimes (Debian 12), beside what setup.sh installs.
for p in clang-14 libclang-rt-14-dev libomp-dev; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" && continue
    SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO apt-get update -qq && DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends clang-14 libclang-rt-14-dev libomp-dev
    break
done
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=true
asan_dir="${TW_ASAN_BUILD_DIR:-build-asan}"
tsan_dir="${TW_TSAN_BUILD_DIR:-build-tsan}"
release_dir="${TW_BUILD_DIR:-build}"
suppressions="$PWD/scripts/sanitizers"
jobs="$(nproc)"

# Halt at the first report, with a stack; the suppression files say why each entry is there.
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1:detect_odr_violation=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:suppressions=$suppressions/ubsan.supp"
# Qt is not instrumented: its own allocations and waits are not races of ours (see tests/common/TsanQtSync.cpp).
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:ignore_noninstrumented_modules=1:suppressions=$suppressions/tsan.supp"

# The threaded tests: hub, engines, display pipeline and workers, play.
tsan_tests=(tst_ManagerSignal tst_IOSignal tst_ParserSignal tst_ParserVectorAnalysis tst_ParserDigitalModulation tst_CalculateDate
            tst_AveragedFft tst_DisplayViews tst_Renderers tst_SimpleEngine tst_RunControl tst_SelectionSignal)

configure() {  # DIR SANITIZERS [extra cmake args]
    local dir="$1" sanitizers="$2"
    shift 2
    [ -f "$dir/build.ninja" ] && return 0
    CC=clang-14 CXX=clang++-14 cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g0" -DTW_SANITIZE="$sanitizers" -DTW_PCH=ON \
        -DCMAKE_UNITY_BUILD=ON -DCMAKE_UNITY_BUILD_BATCH_SIZE=8 "$@" >/dev/null
}

exec 3>&1  # stage times reach the run's own output, whatever a stage's output goes to
timed() {  # NAME COMMAND...: runs the command and says how long it took
    local name="$1" start=$SECONDS rc=0
    shift
    "$@" || rc=$?
    echo "sanitizers: $name: $(( SECONDS - start )) s$([ $rc -eq 0 ] || echo ", FAILED ($rc)")" >&3
    return $rc
}

seeds() {  # DIR
    local dir="$1" cli="$asan_dir/bin/tarnwick-cli" demo="$asan_dir/bin/demo"
    # The release build's tools when the checked one has none yet.
    [ -x "$cli" ] || { cli="$release_dir/bin/tarnwick-cli"; demo="$release_dir/bin/demo"; }
    mkdir -p "$dir"/{fuzz_owv,fuzz_bin,fuzz_dat,fuzz_txt,fuzz_raw,fuzz_sigmf_archive,fuzz_sigmf_meta,fuzz_param_text,fuzz_grid_text,fuzz_user_table,fuzz_profile}
    local tmp
    tmp="$(mktemp -d)"
    if [ -x "$cli" ] && ls "$demo"/*.owv >/dev/null 2>&1; then
        local src
        src="$(ls "$demo"/*.owv | head -1)"
        # Short valid recordings: the first samples of the demo in every format.
        "$cli" series "$src" --kind iq --length 64 --csv "$tmp/iq.csv" >/dev/null 2>&1 || true
        for f in owv bin dat cs8 cu8 cf32 sigmf; do
            "$cli" convert "$src" "$tmp/s.$f" >/dev/null 2>&1 || true
            "$cli" convert "$src" "$tmp/d.$f" --double >/dev/null 2>&1 || true
        done
        for f in s d; do
            [ -f "$tmp/$f.owv" ] && head -c 600 "$tmp/$f.owv" > "$dir/fuzz_owv/$f.owv" && { printf '\001'; head -c 600 "$tmp/$f.owv"; } > "$dir/fuzz_owv/$f.wv"
            [ -f "$tmp/$f.bin" ] && head -c 256 "$tmp/$f.bin" > "$dir/fuzz_bin/$f"
            [ -f "$tmp/$f.dat" ] && head -c 274 "$tmp/$f.dat" > "$dir/fuzz_dat/$f"
            [ -f "$tmp/$f.sigmf" ] && cp "$tmp/$f.sigmf" "$dir/fuzz_sigmf_archive/$f" 2>/dev/null || true
            [ -f "$tmp/$f.sigmf-meta" ] && cp "$tmp/$f.sigmf-meta" "$dir/fuzz_sigmf_meta/$f" 2>/dev/null || true
        done
        local i=0
        for f in cf32 cf64 cs16 cs8 cu8; do
            [ -f "$tmp/s.$f" ] && { printf "\\$(printf '%03o' $i)"; head -c 256 "$tmp/s.$f"; } > "$dir/fuzz_raw/$f"
            i=$((i + 1))
        done
        [ -f "$tmp/iq.csv" ] && head -20 "$tmp/iq.csv" | tr ',' ' ' > "$dir/fuzz_txt/iq.txt"
    fi
    printf '0,5 -0,25\n0 1\n0.0 1\n1e-3 2E2\n 3 4\n' > "$dir/fuzz_txt/rules.txt"
    # Metadata as other tools write it, whether or not the converter above made some.
    printf '%s' '{"global":{"core:datatype":"ci16_le","core:sample_rate":2e6,"core:version":"1.0.0","core:num_channels":1},"captures":[{"core:sample_start":0,"core:frequency":915e6,"core:datetime":"2024-01-01T00:00:00Z"}],"annotations":[{"core:sample_start":10,"core:sample_count":20,"core:label":"burst"}]}' > "$dir/fuzz_sigmf_meta/other.sigmf-meta"
    printf '{MODE:VA}{CLOCK:2 MHz}{FREQUENCY:1 GHz}{POWER:0 dBm}{Decimation:4}{Freq:1.5 kHz}{SampleRate:250000}' > "$dir/fuzz_param_text/va"
    printf '{MODE:DM}{CLOCK:1 MHz}{Measurement:QPSK}{SymbolRate:100 kHz}{Filter:Root Nyquist}{Alpha:0.35}' > "$dir/fuzz_param_text/dm"
    printf '{GRID:Distribution(2,1) Spectrum(2,1) Power(1,1) I_Time(1,3) }' > "$dir/fuzz_grid_text/grid"
    printf '{GRID:Distribution(1,2,3) NoGraph Spectrum(1,1) Q_Time(1,1) Vector(1,1) Power(1,1) I_Time(1,1) }' > "$dir/fuzz_grid_text/grid2"
    printf '\000 1.0000 0.0000\r\n-1.0000 0.0000\r\n0.0000 1.0000\r\n' > "$dir/fuzz_user_table/iq.txt"
    printf '\001 0.7071,0.7071,\r\n-0.7071,-0.7071,\r\n' > "$dir/fuzz_user_table/iq.csv"
    cat > "$dir/fuzz_profile/profile.xml" <<'XML'
<!DOCTYPE TarnwickStudio>
<TarnwickStudio>
 <MODE>ModeVecAnalysis</MODE>
 <DEVICE>192.168.0.10 5025 1 0</DEVICE>
 <DM><Measurement>QPSK</Measurement><PathSignal>C:/data/a.owv</PathSignal></DM>
 <VA><LengthView>2000</LengthView><Grid>{GRID:Distribution(1) Spectrum(1,1) }</Grid></VA>
 <G5><Mode>Downlink</Mode></G5>
</TarnwickStudio>
XML
    rm -rf "$tmp"
}

fuzz_one() {  # TARGET SECONDS [extra libFuzzer args]
    local target="$1" seconds="$2"
    shift 2
    local corpus="$asan_dir/fuzz/corpus/$target" findings="$asan_dir/fuzz/findings/$target"
    mkdir -p "$corpus" "$findings"
    # Bounded inputs and time per input: a hang or a runaway allocation is a finding.
    "$asan_dir/fuzz/bin/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=8192 \
        -artifact_prefix="$findings/" -print_final_stats=1 "$@" "$corpus" 2>&1 |
        awk -v t="$target" '/^stat::number_of_executed_units/ {print "fuzz: " t ": " $2 " executions"}
                            /ERROR|SUMMARY|^==[0-9]+==|runtime error|Test unit written/ {print}'
    return "${PIPESTATUS[0]}"
}

case "${1:-ci}" in
build-fuzz)
    configure "$asan_dir" address,undefined -DTW_FUZZ=ON
    cmake --build "$asan_dir" -j "$jobs" --target $(sed -n 's/^tw_add_fuzzer(\([a-z_]*\).*/\1/p' fuzz/CMakeLists.txt)
    ;;
seeds)
    seeds "$2"
    ;;
fuzz)
    fuzz_one "$2" "$3" "${@:4}"
    ;;
ci)
    status=0
    # ASan + UBSan: the whole suite, then every fuzz target briefly.
    configure "$asan_dir" address,undefined -DTW_FUZZ=ON
    if timed "ASan+UBSan build" cmake --build "$asan_dir" -j "$jobs" >"$asan_dir/build.log" 2>&1; then
        ( cd "$asan_dir" && export QT_QPA_PLATFORM=offscreen && timed "ASan+UBSan suite" \
              ctest --output-on-failure -j "$jobs" --timeout 300 ) || status=1
        seeds "$asan_dir/fuzz/corpus"
        fuzz_all() {
            local t rc=0
            for t in $(ls "$asan_dir/fuzz/bin"); do fuzz_one "$t" "${TW_CI_FUZZ_SECONDS:-4}" || rc=1; done
            return $rc
        }
        timed "fuzzing" fuzz_all || status=1
    else
        tail -30 "$asan_dir/build.log"
        status=1
    fi
    # TSan: the threaded tests only (OpenMP runs one thread: its runtime is not instrumented).
    configure "$tsan_dir" thread
    if timed "TSan build" cmake --build "$tsan_dir" -j "$jobs" --target "${tsan_tests[@]}" >"$tsan_dir/build.log" 2>&1; then
        regex="^($(IFS='|'; echo "${tsan_tests[*]}"))\$"
        ( cd "$tsan_dir" && export OMP_NUM_THREADS=1 QT_QPA_PLATFORM=offscreen && timed "TSan tests" \
              ctest --output-on-failure -j "$jobs" --timeout 300 -R "$regex" ) || status=1
    else
        tail -30 "$tsan_dir/build.log"
        status=1
    fi
    echo "sanitizers: done in $SECONDS s"
    exit $status
    ;;
esac
