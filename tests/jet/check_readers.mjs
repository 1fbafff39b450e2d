// Reads every sample database of a folder (NAME.mdb beside NAME.json, the
// tables, columns and rows the library wrote) with one outside reader and
// fails on any difference:
//   node check_readers.mjs FOLDER mdbtools
//   node check_readers.mjs FOLDER mdb-reader NPM_PREFIX
// mdbtools converts texts as UCS-2, not UTF-16: it shows each half of a
// character beyond U+FFFF as "?" and an empty text as a missing one, and it
// prints a double to 16 significant digits;
// the expected values are mapped the same way for it.
import { execFileSync } from "node:child_process";
import { readdirSync, readFileSync } from "node:fs";
import { createRequire } from "node:module";
import { join, resolve } from "node:path";
import { pathToFileURL } from "node:url";

const [folder, readerName, npmPrefix] = process.argv.slice(2);

function expectedValue(value, forMdbtools) {
    if (value !== null && typeof value === "object") {
        const number = Number(value.double);
        return forMdbtools && number !== 0 ? Number(number.toPrecision(16)) : number;
    }
    if (forMdbtools && typeof value === "string") {
        const text = value.replace(/[\uD800-\uDFFF]/g, "?");
        return text === "" ? null : text;
    }
    if (forMdbtools && typeof value === "boolean") return value ? 1 : 0;
    return value;
}

function mdbtoolsRead(file) {
    const run = (tool, ...args) => execFileSync(tool, [...args, file].length ? [...args] : [], { maxBuffer: 1 << 28 }).toString("utf8");
    const version = run("mdb-ver", file).trim();
    if (version !== "JET4") throw new Error(`mdb-ver says ${version}`);
    const names = run("mdb-tables", "-1", file).split("\n").filter((n) => n !== "");
    const schema = run("mdb-schema", file);
    return names.map((name) => {
        const block = schema.split(`CREATE TABLE [${name}]`)[1].split(");")[0];
        const columns = [...block.matchAll(/\[([^\]]+)\]\s+([^,\n]+?)\s*(?:NOT NULL)?\s*,?\s*$/gm)].map((m) => {
            const type = m[2].replace(/ NOT NULL$/, "");
            const text = type.match(/^Text \((\d+)\)$/);
            const kinds = { "Long Integer": "long", Double: "double", Boolean: "boolean", "Memo/Hyperlink (255)": "memo" };
            return { name: m[1], type: text ? "text" : kinds[type] ?? type, chars: text ? Number(text[1]) : 0 };
        });
        const rows = run("mdb-json", file, name).split("\n").filter((l) => l !== "").map((line) => {
            const object = JSON.parse(line);
            return columns.map((c) => (c.name in object ? object[c.name] : null));
        });
        return { name, columns, rows };
    });
}

async function mdbReaderRead(file) {
    const require = createRequire(resolve(npmPrefix, "node_modules", "x.js"));
    const { default: MDBReader } = await import(pathToFileURL(require.resolve("mdb-reader")).href);
    const reader = new MDBReader(readFileSync(file));
    return reader.getTableNames().map((name) => {
        const table = reader.getTable(name);
        const columns = table.getColumns().map((c) => ({ name: c.name, type: c.type, chars: c.type === "text" ? c.size / 2 : 0 }));
        const rows = table.getData().map((row) => columns.map((c) => row[c.name] ?? null));
        return { name, columns, rows };
    });
}

function same(a, b) {
    if (typeof a === "number" && typeof b === "number") return Object.is(a, b);
    return a === b;
}

function compare(name, expected, actual, forMdbtools) {
    const faults = [];
    const names = (tables) => tables.map((t) => t.name).join(", ");
    if (names(expected) !== names(actual)) faults.push(`tables [${names(actual)}] where [${names(expected)}] are expected`);
    for (const want of expected) {
        const got = actual.find((t) => t.name === want.name);
        if (!got) continue;
        const columns = JSON.stringify(want.columns.map((c) => ({ name: c.name, type: c.type, chars: c.chars })));
        if (JSON.stringify(got.columns) !== columns) faults.push(`${want.name}: columns ${JSON.stringify(got.columns)} where ${columns}`);
        if (got.rows.length !== want.rows.length) faults.push(`${want.name}: ${got.rows.length} rows where ${want.rows.length}`);
        want.rows.forEach((row, r) => row.forEach((value, c) => {
            const wanted = expectedValue(value, forMdbtools);
            const seen = got.rows[r]?.[c];
            if (!same(wanted, seen)) faults.push(`${want.name} row ${r + 1} column ${c + 1}: ${JSON.stringify(seen)} where ${JSON.stringify(wanted)}`);
        }));
    }
    for (const f of faults.slice(0, 20)) console.error(`${name}: ${f}`);
    return faults.length === 0;
}

let ok = true;
let files = 0;
for (const entry of readdirSync(folder).filter((f) => f.endsWith(".json")).sort()) {
    const name = entry.replace(/\.json$/, "");
    const expected = JSON.parse(readFileSync(join(folder, entry), "utf8")).tables;
    const file = join(folder, `${name}.mdb`);
    const forMdbtools = readerName === "mdbtools";
    try {
        const actual = forMdbtools ? mdbtoolsRead(file) : await mdbReaderRead(file);
        ok = compare(name, expected, actual, forMdbtools) && ok;
    } catch (error) {
        console.error(`${name}: ${readerName} failed: ${error.message}`);
        ok = false;
    }
    ++files;
}
console.log(`${readerName}: ${files} databases read, ${ok ? "all as written" : "DIFFERENCES"}`);
process.exit(ok && files > 0 ? 0 : 1);
