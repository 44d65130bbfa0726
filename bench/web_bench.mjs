// The web edition in Chromium, each figure beside a floor measured in the same run:
//   bytes the page loads           beside the bytes of the module alone
//   navigation to an answerable page   beside a blank page that loads only the module
//   an answer to its new code line     beside the module composing the line alone
// Usage: node bench/web_bench.mjs [build folder] [rounds]. Needs `cmake --build build` with
// -DBRINDLEX_WEB=ON, whose web/node_modules hold Playwright.
import { createServer } from "node:http";
import { readFileSync, statSync } from "node:fs";
import { createRequire } from "node:module";
import { dirname, extname, join, normalize, resolve } from "node:path";
import { fileURLToPath } from "node:url";

const root = resolve(dirname(fileURLToPath(import.meta.url)), "..");
const build = resolve(process.argv[2] ?? join(root, "build"));
const rounds = Number(process.argv[3] ?? 15);
const site = join(build, "web", "site");
const { chromium } = createRequire(join(root, "web", "package.json"))("playwright-core");

const kTypes = {
  ".html": "text/html; charset=utf-8",
  ".js": "text/javascript",
  ".css": "text/css",
  ".wasm": "application/wasm",
  ".svg": "image/svg+xml",
  ".webmanifest": "application/manifest+json",
};

const index = readFileSync(join(site, "index.html"), "utf8");
const moduleScript = index.match(/rel="modulepreload"[^>]*href="\.\/([^"]*brindlex[^"]*)"/)?.[1];
const moduleCode = index.match(/rel="preload" href="\.\/([^"]*\.wasm)"/)?.[1];
if (!moduleScript || !moduleCode) {
  throw new Error(`${site}/index.html names no module`);
}
// Loads the module, makes one record, and marks the moment, as the page does before it
// is answerable.
const blank = `<!doctype html><meta charset="utf-8"><title>module only</title>
<script type="module">
const chunk = await import("./${moduleScript}");
const factory = Object.values(chunk).find((value) => typeof value === "function");
const module = await factory({ locateFile: () => "./${moduleCode}" });
new module.Answers().line();
performance.mark("brindlex-answerable");
document.documentElement.dataset.ready = "true";
</script>`;

const server = createServer((request, response) => {
  const path = new URL(request.url, "http://localhost").pathname;
  if (path === "/blank.html") {
    response.writeHead(200, { "content-type": kTypes[".html"] }).end(blank);
    return;
  }
  const file = normalize(join(site, path === "/" ? "index.html" : path));
  try {
    if (!file.startsWith(site) || !statSync(file).isFile()) {
      throw new Error("no file");
    }
    response.writeHead(200, { "content-type": kTypes[extname(file)] ?? "application/octet-stream" });
    response.end(readFileSync(file));
  } catch {
    response.writeHead(404).end();
  }
});
await new Promise((done) => server.listen(0, "127.0.0.1", done));
const base = `http://127.0.0.1:${server.address().port}/`;

const launch = JSON.parse(readFileSync(join(root, "web", "chromium.json"), "utf8"));
const browser = await chromium.launch({
  executablePath: process.env.BRINDLEX_CHROMIUM ?? launch.executablePath,
  args: launch.args,
});

// One cold visit: the bytes of every response, and the time from navigation to the mark.
async function visit(path) {
  const context = await browser.newContext({ serviceWorkers: "block" });
  const page = await context.newPage();
  const bodies = [];
  page.on("response", (response) => bodies.push(response.body().then((b) => b.length, () => 0)));
  await page.goto(base + path);
  await page.locator("html[data-ready=true]").waitFor();
  const ms = await page.evaluate(
    () => performance.getEntriesByName("brindlex-answerable")[0].startTime,
  );
  const bytes = (await Promise.all(bodies)).reduce((a, b) => a + b, 0);
  return { context, page, ms, bytes };
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const full = { ms: [], bytes: 0 };
const floor = { ms: [], bytes: 0 };
for (let i = 0; i < rounds; ++i) {
  // Alternating, so that the machine's load falls on both alike.
  for (const [path, into] of [["", full], ["blank.html", floor]]) {
    const run = await visit(path);
    into.ms.push(run.ms);
    into.bytes = run.bytes;
    await run.context.close();
  }
}

// Answers on the Art slider, each followed to its new line; then the module alone.
const { context, page } = await visit("");
await page.getByRole("option", { name: "Art", exact: true }).click();
const answers = 2000;
const perAnswer = await page.evaluate((count) => {
  const slider = document.querySelector('input[type="range"]');
  const line = document.getElementById("code-line");
  const times = [];
  let last = "";
  for (let i = 0; i < count; ++i) {
    slider.value = String(i % 8);
    const start = performance.now();
    slider.dispatchEvent(new Event("input", { bubbles: true }));
    last = line.value;
    times.push(performance.now() - start);
  }
  return { times, last };
}, answers);
const perCompose = await page.evaluate(
  async ([script, code, count]) => {
    const chunk = await import(`./${script}`);
    const factory = Object.values(chunk).find((value) => typeof value === "function");
    const module = await factory({ locateFile: () => `./${code}` });
    const record = new module.Answers();
    let art = 0;
    while (module.category(art).caption !== "Art") {
      ++art;
    }
    const times = [];
    for (let i = 0; i < count; ++i) {
      const start = performance.now();
      record.setLevel(art, i % 8);
      record.line();
      times.push(performance.now() - start);
    }
    record.delete();
    return times;
  },
  [moduleScript, moduleCode, answers],
);
await context.close();
await browser.close();
server.close();

const kb = (bytes) => `${(bytes / 1024).toFixed(1)} KB`;
const ms = (value) => `${value.toFixed(3)} ms`;
const mean = (values) => values.reduce((a, b) => a + b, 0) / values.length;
console.log(`Brindlex web edition in Chromium, ${rounds} cold visits each, ${answers} answers`);
console.log(`bytes loaded         page ${kb(full.bytes)}   floor (module only) ${kb(floor.bytes)}`);
console.log(
  `to answerable page   page ${ms(median(full.ms))}   floor (module only) ${ms(median(floor.ms))}   (medians)`,
);
// The browser's clock steps by 0.1 ms here, so the means come from the sums of all answers.
console.log(
  `answer to new line   page ${ms(mean(perAnswer.times))} mean, ` +
    `${ms(Math.max(...perAnswer.times))} slowest   floor (compose alone) ${ms(mean(perCompose))} mean`,
);
if (!perAnswer.last.startsWith("2.0F")) {
  throw new Error(`the page showed no code line: ${perAnswer.last}`);
}
