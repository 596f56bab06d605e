// Zips a folder with yazl as a Node program would: every folder and file, in walk
// order, with its own time and mode. Usage: node write-zip.js ROOT ARCHIVE deflate|store
"use strict";
const fs = require("fs");
const path = require("path");
const yazl = require("yazl");

const [root, archive, method] = process.argv.slice(2);
const zip = new yazl.ZipFile();
const compress = method === "deflate";

function walk(relative) {
  for (const name of fs.readdirSync(path.join(root, relative)).sort()) {
    const rel = relative ? relative + "/" + name : name;
    const stat = fs.statSync(path.join(root, rel));
    if (stat.isDirectory()) {
      zip.addEmptyDirectory(rel, { mtime: stat.mtime, mode: stat.mode });
      walk(rel);
    } else {
      zip.addFile(path.join(root, rel), rel, { mtime: stat.mtime, mode: stat.mode, compress });
    }
  }
}

walk("");
zip.outputStream.pipe(fs.createWriteStream(archive)).on("close", () => process.exit(0));
zip.end();
