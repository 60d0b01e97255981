#!/usr/bin/env bash
# corvanel-serve beside kiwix-serve (and nginx for a plain file) on the same
# pages, loaded with wrk at 64 connections: req/s, p50, p99, and
# corvanel-serve's resident memory after the load. Median of RUNS runs.
#
#   bench/web_vs_kiwix.sh [BUILD_DIR] [WORK_DIR]
#   DOCUMENTS=20000 SECONDS_PER_RUN=20 RUNS=3 THREADS=2 bench/web_vs_kiwix.sh
#
# Needs kiwix-tools, zim-tools, nginx and wrk (Debian). The collection, its
# ZIM and the nginx folder are made once in WORK_DIR and kept.
set -euo pipefail
build="$(realpath "${1:-build}")"
work="${2:-/tmp/corvanel-web-bench}"
documents="${DOCUMENTS:-20000}"
duration="${SECONDS_PER_RUN:-20}"
runs="${RUNS:-3}"
threads="${THREADS:-2}"
collection="$work/colecao"
zim="$work/colecao.zim"
# kiwix-serve names a book by its file's name.
book=colecao
corvanel_port=18181
kiwix_port=18182
nginx_port=18183
mkdir -p "$work"

if [ ! -f "$collection/db3.mdb" ]; then
    "$build/bin/corvanel-bench-collection" --out "$collection" --documents "$documents"
fi
if [ ! -f "$zim" ]; then
    # A ZIM needs a 48x48 PNG of its own.
    python3 -c "
import struct, zlib
row = b'\x00' + b'\x7b\xc6\x21' * 48
data = zlib.compress(row * 48)
chunk = lambda kind, body: struct.pack('>I', len(body)) + kind + body + struct.pack('>I', zlib.crc32(kind + body))
open('$collection/ilustracao.png', 'wb').write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', 48, 48, 8, 2, 0, 0, 0)) + chunk(b'IDAT', data) + chunk(b'IEND', b''))"
    zimwriterfs --welcome=entrada2.htm --illustration=ilustracao.png --language=por \
        --title=Corvanel --description="Acervo de medição" --creator=Corvanel \
        --publisher=Corvanel --name=corvanel "$collection" "$zim" > "$work/zimwriterfs.log"
fi

pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2> /dev/null || true
    done
}
trap cleanup EXIT

"$build/bin/corvanel-serve" --collection "$collection" --listen "127.0.0.1:$corvanel_port" \
    --threads "$threads" 2> "$work/serve.log" &
corvanel_pid=$!
pids+=("$corvanel_pid")
kiwix-serve --port "$kiwix_port" --address 127.0.0.1 "$zim" > "$work/kiwix.log" 2>&1 &
pids+=("$!")
cat > "$work/nginx.conf" <<NGINX
daemon off;
worker_processes 2;
pid $work/nginx.pid;
error_log $work/nginx-error.log;
events { worker_connections 1024; }
http {
    access_log off;
    server { listen 127.0.0.1:$nginx_port; root $collection; }
}
NGINX
nginx -c "$work/nginx.conf" &
pids+=("$!")
for port in $corvanel_port $kiwix_port $nginx_port; do
    for _ in $(seq 100); do
        curl -s -o /dev/null "http://127.0.0.1:$port/" && break
        sleep 0.2
    done
done

# A document and words found in it: rare (a few documents), common, a phrase.
code=$(curl -s "http://127.0.0.1:$corvanel_port/api/v1/busca?q=crian%C3%A7a" |
    python3 -c "import json, sys; print(json.load(sys.stdin)['linhas'][0]['codigo'])")
page="textos/$code.htm"
kiwix_page="http://127.0.0.1:$kiwix_port/$book/$page"
rare="${RARE_WORD:-xilogravura}"
common="crian%C3%A7a"
phrase="${PHRASE:-conselho%20tutelar}"

# One wrk run: "req/s p50_ms p99_ms"; a run with failed answers is refused.
measure() {
    [ "$(curl -s -o /dev/null -w '%{http_code}' "$1")" = 200 ] || { echo "sem resposta 200: $1" >&2; exit 1; }
    wrk -t2 -c64 -d"${duration}s" --timeout 30s --latency "$1" |
        awk '/Requests\/sec/ {rps = $2}
             $1 == "50%" {p50 = $2} $1 == "99%" {p99 = $2}
             function ms(t) { if (t ~ /us$/) return t / 1000; if (t ~ /ms$/) return t + 0;
                              if (t ~ /s$/) return t * 1000; if (t ~ /m$/) return t * 60000; return t }
             END {printf "%.1f %.1f %.1f\n", rps, ms(p50), ms(p99)}'
}
# The median run by req/s.
median() {
    local url="$1" results=()
    for _ in $(seq "$runs"); do
        results+=("$(measure "$url")")
    done
    printf '%s\n' "${results[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p"
}

row() {
    local name="$1" corvanel_url="$2" kiwix_url="$3"
    read -r c_rps c_p50 c_p99 <<< "$(median "$corvanel_url")"
    read -r k_rps k_p50 k_p99 <<< "$(median "$kiwix_url")"
    printf '| %s | %s req/s, p50 %s ms, p99 %s ms | %s req/s, p50 %s ms, p99 %s ms | %.1f × |\n' \
        "$name" "$c_rps" "$c_p50" "$c_p99" "$k_rps" "$k_p50" "$k_p99" \
        "$(echo "$c_rps / ($k_rps + 0.0001)" | bc -l)"
}

c="http://127.0.0.1:$corvanel_port"
k="http://127.0.0.1:$kiwix_port"
echo "$documents documentos, wrk 64 conexões, $runs × ${duration} s (mediana), corvanel-serve --threads $threads"
echo
echo "| pedido | corvanel-serve | kiwix-serve | razão |"
echo "|---|---|---|---|"
row "palavra rara ($rare), 1ª página" "$c/resultado?q=$rare" "$k/search?content=$book&pattern=$rare"
row "palavra comum (criança), 1ª página" "$c/resultado?q=$common" \
    "$k/search?content=$book&pattern=$common"
row "expressão de duas palavras" "$c/resultado?q=$phrase" \
    "$k/search?content=$book&pattern=%22$phrase%22"
row "página de um documento" "$c/colecao/$page" "$kiwix_page"
read -r n_rps n_p50 n_p99 <<< "$(median "http://127.0.0.1:$nginx_port/$page")"
echo "| a mesma página pelo nginx | $n_rps req/s, p50 $n_p50 ms, p99 $n_p99 ms | | |"
rss=$(awk '/VmHWM/ {print $2}' "/proc/$corvanel_pid/status")
echo
echo "corvanel-serve: pico de memória residente $((rss / 1024)) MiB"
