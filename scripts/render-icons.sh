#!/usr/bin/env bash
# Regenerates the tool-bar and menu icons in resources/icons/ from their sources:
#  - our own pictograms, drawn as SVG in resources/icons/src/<name>.svg, rendered to <name>.png;
#  - the generic actions (new, open, save, print, undo, redo, preferences) and the page icons of
#    the preferences dialog, taken
#    from the Adwaita icon theme of Debian (package adwaita-icon-theme, CC-BY-SA-3.0 or LGPL-3,
#    see NOTICE): the 24 px picture is copied unchanged, the 32 px ones are scaled down from the
#    theme's 48 px pictures.
# The size follows the file name: *_24x24 is 24 x 24 pixels, every other icon 32 x 32.
#
# The desktop icons (the program's icon and the icon of its project files) follow the layout of
# the freedesktop.org hicolor theme: resources/icons/src/hicolor/<context>/<name>.svg is rendered
# to resources/icons/hicolor/<size>x<size>/<context>/<name>.png for every size the desktop menus
# and file managers ask for. A source <name>@small.svg beside it, when present, is a simplified
# drawing used instead for the sizes up to 24 pixels, where the fine detail would only blur.
# The installation takes the PNGs from there and the SVG as the scalable icon.
#
# The committed PNGs are what the build uses; run this only after changing a source.
#
#   scripts/render-icons.sh            regenerate every PNG
#   scripts/render-icons.sh --sheet F  also write a contact sheet F (each icon at its own size
#                                      and scaled to 24 px, on a light and a dark background,
#                                      magnified 3 times, two icons a row) to judge how they read
#
# The renderer is a throwaway Qt program (QtSvg) built in a temporary directory.
set -euo pipefail
shopt -s nullglob

root=$(cd "$(dirname "$0")/.." && pwd)
icons=$root/resources/icons
theme=${ADWAITA_DIR:-/usr/share/icons/Adwaita}
sheet=
if [ "${1:-}" = "--sheet" ]; then
    sheet=$(realpath -m "${2:?--sheet needs a file name}")
fi

# Icon file = picture of the Adwaita theme (legacy full-colour set).
copied=(
    "new.png=48x48/legacy/document-new.png"
    "open.png=48x48/legacy/document-open.png"
    "save.png=48x48/legacy/document-save.png"
    "print.png=48x48/legacy/document-print.png"
    "editundo.png=48x48/legacy/edit-undo.png"
    "editredo.png=48x48/legacy/edit-redo.png"
    "16-advanced-settings_24x24.png=24x24/legacy/preferences-system.png"
    "config.png=48x48/legacy/preferences-system.png"
    "update.png=48x48/legacy/view-refresh.png"
)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat >"$work/CMakeLists.txt" <<'EOF'
cmake_minimum_required(VERSION 3.16)
project(rendericons LANGUAGES CXX)
set(CMAKE_CXX_STANDARD 17)
find_package(Qt5 5.15 REQUIRED COMPONENTS Gui Svg)
add_executable(rendericons main.cpp)
target_link_libraries(rendericons Qt5::Gui Qt5::Svg)
EOF

cat >"$work/main.cpp" <<'EOF'
// rendericons svg IN OUT SIZE | scale IN OUT SIZE | sheet OUT PNG...
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

static int fail(const QString &text)
{
    std::fprintf(stderr, "rendericons: %s\n", qPrintable(text));
    return 1;
}

static bool save(const QImage &image, const QString &path)
{
    return image.convertToFormat(QImage::Format_ARGB32).save(path, "PNG");
}

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() >= 4 && args[0] == "svg") {
        QSvgRenderer renderer(args[1]);
        if (!renderer.isValid())
            return fail("cannot read " + args[1]);
        const int size = args[3].toInt();
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, size, size));
        painter.end();
        return save(image, args[2]) ? 0 : fail("cannot write " + args[2]);
    }
    if (args.size() >= 4 && args[0] == "scale") {
        QImage image(args[1]);
        if (image.isNull())
            return fail("cannot read " + args[1]);
        const int size = args[3].toInt();
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                    .scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        return save(image, args[2]) ? 0 : fail("cannot write " + args[2]);
    }
    if (args.size() >= 3 && args[0] == "sheet") {
        const int zoom = 3, cell = 36 * zoom, perRow = 2;
        const QStringList files = args.mid(2);
        const QColor backgrounds[] = {QColor(246, 245, 244), QColor(53, 53, 53)};
        const int rows = (files.size() + perRow - 1) / perRow;
        QImage sheet(perRow * 4 * cell + (perRow - 1) * zoom * 4, rows * cell,
                     QImage::Format_ARGB32_Premultiplied);
        sheet.fill(Qt::white);
        QPainter painter(&sheet);
        for (int i = 0; i < files.size(); ++i) {
            const QImage icon(files[i]);
            const QImage at24 =
                icon.scaled(24, 24, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            const int x0 = (i % perRow) * (4 * cell + zoom * 4), y0 = (i / perRow) * cell;
            for (int column = 0; column < 4; ++column) {
                const QRect box(x0 + column * cell, y0, cell, cell);
                painter.fillRect(box, backgrounds[column / 2]);
                const QImage &shown = (column % 2) ? at24 : icon;
                const QImage big = shown.scaled(shown.size() * zoom);
                painter.drawImage(box.center() - QPoint(big.width() / 2, big.height() / 2), big);
            }
        }
        painter.end();
        return save(sheet, args[1]) ? 0 : fail("cannot write " + args[1]);
    }
    return fail("usage: rendericons svg IN OUT SIZE | scale IN OUT SIZE | sheet OUT PNG...");
}
EOF

cmake -S "$work" -B "$work/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work/build" -j2 >/dev/null
tool=$work/build/rendericons
export QT_QPA_PLATFORM=offscreen

size_of() {
    case "$1" in
    *_24x24.*) echo 24 ;;
    *) echo 32 ;;
    esac
}

for entry in "${copied[@]}"; do
    name=${entry%%=*}
    source=$theme/${entry#*=}
    size=$(size_of "$name")
    if [[ "$source" == */${size}x${size}/* ]]; then
        cp "$source" "$icons/$name"
    else
        "$tool" scale "$source" "$icons/$name" "$size"
    fi
done

for svg in "$icons"/src/*.svg; do
    name=$(basename "$svg" .svg).png
    "$tool" svg "$svg" "$icons/$name" "$(size_of "$name")"
done

hicolor_sizes=(16 24 32 48 64 128 256)
desktop_pngs=()
for svg in "$icons"/src/hicolor/*/*.svg; do
    name=$(basename "$svg" .svg)
    [[ "$name" == *@small ]] && continue
    context=$(basename "$(dirname "$svg")")
    small=${svg%.svg}@small.svg
    for size in "${hicolor_sizes[@]}"; do
        source=$svg
        if [ "$size" -le 24 ] && [ -f "$small" ]; then
            source=$small
        fi
        out=$icons/hicolor/${size}x${size}/$context/$name.png
        mkdir -p "$(dirname "$out")"
        "$tool" svg "$source" "$out" "$size"
        if [ "$size" -le 32 ]; then
            desktop_pngs+=("$out")
        fi
    done
done

if [ -n "$sheet" ]; then
    "$tool" sheet "$sheet" "$icons"/*.png "${desktop_pngs[@]}"
fi
