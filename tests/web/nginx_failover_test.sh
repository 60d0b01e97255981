#!/usr/bin/env bash
# Two corvanel-serve behind nginx, configured from packaging/nginx: one is
# stopped in the middle of a load run, and no request fails.
# Usage: nginx_failover_test.sh CORVANEL_SERVE COLLECTION_FOLDER SOURCE_DIR WORK_DIR
set -euo pipefail
serve="$1"
collection="$2"
source="$3"
work="$4"
rm -rf "$work"
mkdir -p "$work"

fail() {
    echo "FALHOU: $*" >&2
    exit 1
}

pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2> /dev/null || true
    done
}
trap cleanup EXIT

free_port() {
    python3 -c "import socket; s = socket.socket(); s.bind(('127.0.0.1', 0)); print(s.getsockname()[1])"
}
first=$(free_port)
second=$(free_port)
front=$(free_port)

"$serve" --collection "$collection" --listen "127.0.0.1:$first" 2> "$work/first.log" &
first_pid=$!
pids+=("$first_pid")
"$serve" --collection "$collection" --listen "127.0.0.1:$second" 2> "$work/second.log" &
pids+=("$!")

# The sample configuration with this run's ports, inside a minimal nginx.conf.
sed -e "s/127.0.0.1:8081/127.0.0.1:$first/" -e "s/127.0.0.1:8082/127.0.0.1:$second/" \
    -e "s/listen 80;/listen 127.0.0.1:$front;/" "$source/packaging/nginx/corvanel.conf" \
    > "$work/corvanel.conf"
cat > "$work/nginx.conf" <<NGINX
daemon off;
worker_processes 1;
pid $work/nginx.pid;
error_log $work/error.log;
events { worker_connections 512; }
http {
    access_log off;
    client_body_temp_path $work/body;
    proxy_temp_path $work/proxy;
    fastcgi_temp_path $work/fastcgi;
    uwsgi_temp_path $work/uwsgi;
    scgi_temp_path $work/scgi;
    include $work/corvanel.conf;
}
NGINX
nginx -e "$work/error.log" -c "$work/nginx.conf" &
pids+=("$!")

for port in "$first" "$second" "$front"; do
    for _ in $(seq 100); do
        [ "$(curl -s "http://127.0.0.1:$port/saude")" = ok ] && break
        sleep 0.1
    done
    [ "$(curl -s "http://127.0.0.1:$port/saude")" = ok ] || fail "a porta $port não respondeu"
done

wrk -t2 -c16 -d6s "http://127.0.0.1:$front/resultado?q=crian%C3%A7a" > "$work/wrk.txt" &
load=$!
sleep 2
kill -TERM "$first_pid"
wait "$load"
cat "$work/wrk.txt"
grep -q "Non-2xx" "$work/wrk.txt" && fail "respostas de erro durante a parada de um servidor"
grep -q "Socket errors" "$work/wrk.txt" && fail "conexões perdidas durante a parada de um servidor"
requests=$(awk '/requests in/ {print $1}' "$work/wrk.txt")
[ "${requests:-0}" -gt 0 ] || fail "nenhum pedido atendido"
[ "$(curl -s "http://127.0.0.1:$front/saude")" = ok ] || fail "o nginx não responde com um servidor só"
echo "ok: $requests pedidos, nenhum falhou"
