// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture/tile_page.h"

#include <cstdio>
#include <vector>

#include "engine/field_value.h"
#include "params/field_edit.h"
#include "params/mouse_navigation.h"
#include "picture/words.h"

namespace zentrel {
namespace {

// The text as a JavaScript string literal that no "</script>" can end.
std::string jsString(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || c == '<' || c == '>' || c == '&') {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// A double written so that JavaScript reads back the same number.
std::string jsNumber(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

// What the page knows of a level: the command of a view as far zoomed in,
// its position fields cut out (head and tail around them), and the position
// fields of the part on screen when the middle of the screen is at the top
// left corner of level 0 (x = across + 2^level * middle's x).
struct LevelFields {
    std::string head, tail;
    double across = 0, down = 0;
    std::string xoom;
};

Outcome<LevelFields> levelFields(const View& view, int level, double columns, double rows)
{
    // At one pixel a loop unit, a view zoomed in density x 2^level times
    // shows level's pixels; zoomed around the top left sample, its column c
    // is level's column c.
    const PictureFrame frame{view.pattern->rule,
                             view.width ? std::optional<double>(*view.width) : std::nullopt};
    const double factor = view.density * static_cast<double>(1 << level);
    const auto zoomed = zoomAround(view.fields, frame, {0, 0}, factor);
    if (!zoomed) return zoomed.failure();
    View shown = view;
    shown.fields = zoomed.value();
    shown.density = 1;
    shown.depth = 8;
    const auto across = params::reading(shown.fields, FieldRole::Across, fieldValue);
    const auto down = params::reading(shown.fields, FieldRole::Down, fieldValue);
    if (!across) return across.failure();
    if (!down) return down.failure();
    const std::string command = commandOf(shown);
    const std::string positions =
        " --x " + quotedWord(shown.fields.across) + " --y " + quotedWord(shown.fields.down);
    const auto at = command.find(positions);
    // The view's middle (column (columns - 1) / 2) lies on the sample of the
    // screen pixel whose left half the screen's middle ends.
    return LevelFields{command.substr(0, at), command.substr(at + positions.size()),
                       across.value() - columns / 2, down.value() - rows / 2, shown.fields.xoom};
}

std::string levelEntry(const LevelFields& f)
{
    return "{head: " + jsString(f.head) + ", tail: " + jsString(f.tail) +
           ", across: " + jsNumber(f.across) + ", down: " + jsNumber(f.down) +
           ", xoom: " + jsString(f.xoom) + "}";
}

constexpr const char* kPageStart = R"(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Zentrel</title>
<link rel="stylesheet" href="leaflet.css">
<style>
html, body, #map { margin: 0; height: 100%; background: #000; }
.leaflet-tile { image-rendering: pixelated; }
#view { font: 13px sans-serif; background: rgba(255, 255, 255, 0.9); padding: 6px 8px; }
#view table { border-collapse: collapse; }
#view td { padding: 0 4px; }
#view code { display: block; max-width: 24em; overflow-wrap: anywhere; margin-top: 4px; }
</style>
</head>
<body>
<div id="map"></div>
<div id="loaded" hidden>0</div>
<div id="errors" hidden></div>
<script src="leaflet.js"></script>
<script>
"use strict";
)";

// The page's own script: the map, the fragment and the panel.
constexpr const char* kPageScript = R"(
const errors = document.getElementById("errors");
const loaded = document.getElementById("loaded");
function noteError(text) { errors.textContent += text + "\n"; }
window.addEventListener("error", (e) => noteError(e.message));

const map = L.map("map", {crs: L.CRS.Simple, minZoom: 0, maxZoom: page.levels.length - 1,
                          zoomSnap: 1, fadeAnimation: false, attributionControl: false});
const bounds = L.latLngBounds(map.unproject([0, page.height], 0), map.unproject([page.width, 0], 0));
const tiles = L.tileLayer("{z}/{x}/{y}.png", {tileSize: 256, noWrap: true, bounds: bounds,
                                             maxNativeZoom: page.levels.length - 1});
// Tiles of the right and bottom edges are only as large as the picture.
tiles.on("tileload", (e) => {
  e.tile.style.width = e.tile.naturalWidth + "px";
  e.tile.style.height = e.tile.naturalHeight + "px";
  loaded.textContent = String(Number(loaded.textContent) + 1);
});
tiles.on("tileerror", (e) => noteError("tile " + e.coords.z + "/" + e.coords.x + "/" + e.coords.y));
tiles.addTo(map);

function numberText(v) {
  const t = Number(v.toPrecision(15));
  if (t !== 0 && (Math.abs(t) >= 1e15 || Math.abs(t) < 1e-4))
    return t.toExponential().toUpperCase();
  return String(t);
}

// The part on screen: its level and the level-0 pixel at its middle.
function shown() {
  const middle = map.project(map.getCenter(), 0);
  const level = Math.round(map.getZoom());
  const f = page.levels[level];
  const scale = Math.pow(2, level);
  const x = numberText(f.across + scale * middle.x), y = numberText(f.down + scale * middle.y);
  return {level: level, middle: middle, x: x, y: y, xoom: f.xoom,
          command: f.head + " --x " + x + " --y " + y + f.tail};
}

const panel = L.control({position: "topright"});
panel.onAdd = function () {
  const div = L.DomUtil.create("div", "");
  div.id = "view";
  div.innerHTML = "<b id='pattern'></b><table><tr><td>x</td><td id='x'></td></tr>" +
    "<tr><td>y</td><td id='y'></td></tr><tr><td>size</td><td id='size'></td></tr>" +
    "<tr><td>xoom</td><td id='xoom'></td></tr><tr><td>bright</td><td id='bright'></td></tr></table>" +
    "<a href='#' id='copy'>copy view</a><code id='command'></code>";
  L.DomEvent.disableClickPropagation(div);
  return div;
};
panel.addTo(map);
document.getElementById("pattern").textContent = page.pattern;
document.getElementById("size").textContent = page.size;
document.getElementById("bright").textContent = page.bright;

function update() {
  const s = shown();
  for (const key of ["x", "y", "xoom"]) document.getElementById(key).textContent = s[key];
  document.getElementById("command").textContent = s.command;
  const place = "#" + s.level + "/" + numberText(s.middle.x) + "/" + numberText(s.middle.y);
  if (location.hash !== place) history.replaceState(null, "", place);
}

document.getElementById("copy").addEventListener("click", (e) => {
  e.preventDefault();
  const command = shown().command;
  // A page opened from a file may not write the clipboard: the command
  // stays selected under the link, to be copied by hand.
  const selection = getSelection();
  selection.selectAllChildren(document.getElementById("command"));
  if (navigator.clipboard) navigator.clipboard.writeText(command).catch(() => {});
  else document.execCommand("copy");
});

// "#2/512/384": level 2, the middle of the screen on pixel (512, 384) of level 0.
function goToFragment() {
  const parts = location.hash.slice(1).split("/").map(Number);
  if (parts.length === 3 && parts.every(Number.isFinite))
    map.setView(map.unproject([parts[1], parts[2]], 0), parts[0], {animate: false});
  else
    map.setView(map.unproject([page.width / 2, page.height / 2], 0), 0, {animate: false});
}
window.addEventListener("hashchange", goToFragment);
map.on("moveend", update);
goToFragment();
update();
</script>
</body>
</html>
)";

}  // namespace

Outcome<std::string> tilePage(const View& view, int levels, int width, int height)
{
    const double columns = static_cast<double>(width) / view.density;
    const double rows = static_cast<double>(height) / view.density;
    std::string entries;
    for (int level = 0; level <= levels; ++level) {
        const auto fields = levelFields(view, level, columns, rows);
        if (!fields) return fields.failure();
        entries += (level ? ",\n    " : "") + levelEntry(fields.value());
    }
    return std::string(kPageStart) +
           "const page = {\n  pattern: " + jsString(std::string(view.pattern->caption)) +
           ",\n  size: " + jsString(view.fields.size) +
           ",\n  bright: " + jsString(view.fields.brightness) +
           ",\n  width: " + std::to_string(width) + ", height: " + std::to_string(height) +
           ",\n  levels: [\n    " + entries + "]\n};\n" + kPageScript;
}

}  // namespace zentrel
