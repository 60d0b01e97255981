#!/usr/bin/env bash
# Installs the build into a staging root as a package would (DESTDIR, prefix
# /usr), then checks what landed there and runs the installed programs on
# the installed sample collection.
# Usage: install_test.sh BUILD_DIR STAGING_DIR SOURCE_DIR
set -euo pipefail
build="$1"
stage="$2"
source="$3"
usr="$stage/usr"

fail() {
    echo "FALHOU: $*" >&2
    exit 1
}

rm -rf "$stage"
mkdir -p "$stage"
if ! DESTDIR="$stage" cmake --install "$build" --prefix /usr > "$stage.log" 2>&1; then
    cat "$stage.log" >&2
    fail "cmake --install"
fi

expected=(
    bin/corvanel bin/corvanel-query bin/corvanel-collection bin/corvanel-serve
    lib/systemd/system/corvanel-serve.service share/man/man1/corvanel-serve.1.gz
    share/doc/corvanel/examples/nginx-corvanel.conf
    share/corvanel/db3.mdb share/corvanel/labels.dat share/corvanel/entrada2.htm
    share/applications/br.org.corvanel.Corvanel.desktop
    share/metainfo/br.org.corvanel.Corvanel.metainfo.xml
    share/icons/hicolor/scalable/apps/corvanel.svg
    share/man/man1/corvanel.1.gz share/man/man1/corvanel-query.1.gz
    share/man/man1/corvanel-collection.1.gz
    share/doc/corvanel/copyright share/doc/corvanel/changelog.gz
)
for size in 16 22 24 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/corvanel.png")
done
for file in "${expected[@]}"; do
    [ -f "$usr/$file" ] || fail "não instalado: /usr/$file"
done
for program in corvanel corvanel-query corvanel-collection; do
    [ -x "$usr/bin/$program" ] || fail "/usr/bin/$program não é executável"
    # Debian forbids a run path of our own; the system's Qt is found as it is.
    if readelf -d "$usr/bin/$program" | grep -E -q 'RPATH|RUNPATH'; then
        fail "/usr/bin/$program tem um run path"
    fi
done
pages_in_source=$(find "$source/sample/textos" -name '*.htm' | wc -l)
pages_installed=$(find "$usr/share/corvanel/textos" -name '*.htm' | wc -l)
[ "$pages_in_source" -eq "$pages_installed" ] ||
    fail "$pages_installed páginas instaladas, $pages_in_source na amostra"

# The installed tool on the installed collection, from a terminal without a
# display or a runtime folder: a listing, nothing on stderr, and the page a
# double click opens lies in the installed collection. The database stores
# the root where it is installed, without the staging root; while staged, the
# collection finds its pages in its own folder instead, as a moved one does.
grep -a -q "/usr/share/corvanel/" "$usr/share/corvanel/db3.mdb" ||
    fail "o db3.mdb instalado não guarda a pasta /usr/share/corvanel/"
listing=$(env -u DISPLAY -u XDG_RUNTIME_DIR -u QT_QPA_PLATFORM "$usr/bin/corvanel-query" \
    --db "$usr/share/corvanel/db3.mdb" --tipo B --edit4 B06 --aux B --then open 0 \
    2> "$stage/query.err") || fail "corvanel-query saiu com $?"
[ ! -s "$stage/query.err" ] || fail "corvanel-query escreveu em stderr: $(cat "$stage/query.err")"
echo "$listing" | grep -E -q '^# count=[1-9][0-9]* scope=Legislação ' ||
    fail "listagem sem documentos: $listing"
address=$(echo "$listing" | sed -n 's/^> //p')
page="${address#file://localhost/}"
page="${page//\\//}"
case "$page" in
    /usr/share/corvanel/textos/*.htm) page="$stage$page" ;;
    "$usr"/share/corvanel/textos/*.htm) ;;
    *) fail "a página aberta não está na coleção instalada: $address" ;;
esac
[ -f "$page" ] || fail "a página $page não foi instalada"

# The program answers --help on a terminal without a display, opening nothing.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$usr/bin/corvanel" --help |
    grep -q '^Uso: corvanel ' || fail "corvanel --help"

# Every long option a program's help lists is in its manual page.
for program in corvanel corvanel-query corvanel-collection; do
    manual=$(zcat "$usr/share/man/man1/$program.1.gz")
    for option in $(QT_QPA_PLATFORM=offscreen "$usr/bin/$program" --help |
        grep -o -E '^  (-[a-z], )?--[a-z0-9]+' | grep -o -E -- '--[a-z0-9]+'); do
        # "--subcat" must not pass for "--subcatok": troff writes "\-\-subcat".
        pattern="${option//-/\\\\-}([^A-Za-z0-9_]|\$)"
        grep -E -q -- "$pattern" <<< "$manual" ||
            fail "a página de manual de $program não fala de $option"
    done
    # Portuguese words are never broken by English hyphenation rules, even in
    # a narrow terminal.
    if command -v groff > /dev/null; then
        broken=$(groff -k -man -Tutf8 -rLL=50n <<< "$manual" 2> /dev/null | grep -c '‐$' || true)
        [ "$broken" = 0 ] || fail "a página de manual de $program hifeniza $broken palavras"
    fi
done
# The manual lists the keys of each window.
zcat "$usr/share/man/man1/corvanel.1.gz" | grep -q '^\.SH TECLAS' ||
    fail "a página de manual do corvanel não lista as teclas"
echo "instalação conferida: $(grep -c '^-- Installing' "$stage.log") arquivos"

# The service: its settings installed, and the installed server on the
# installed collection answers its health check and ends on TERM.
[ -f "$stage/etc/default/corvanel-serve" ] || fail "não instalado: /etc/default/corvanel-serve"
"$usr/bin/corvanel-serve" --collection "$usr/share/corvanel" --listen 127.0.0.1:0 \
    2> "$stage/serve.err" &
serve=$!
port=""
for _ in $(seq 100); do
    port=$(sed -n 's/.* na porta \([0-9]*\)$/\1/p' "$stage/serve.err")
    [ -n "$port" ] && break
    sleep 0.1
done
[ -n "$port" ] || { kill "$serve"; fail "corvanel-serve não começou: $(cat "$stage/serve.err")"; }
exec 3<> "/dev/tcp/127.0.0.1/$port"
printf 'GET /saude HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n' >&3
health=$(tail -n 1 <&3)
exec 3<&-
kill -TERM "$serve"
wait "$serve" || fail "corvanel-serve saiu com $? depois de TERM"
[ "$health" = ok ] || fail "corvanel-serve /saude respondeu: $health"
