// Builds the site: the page, the module that BRINDLEX_MODULE_DIR holds (brindlex.js and
// brindlex.wasm, from web/module), the manifest, the icon and a service worker that caches
// every one of these files, listed here at build time.
import { createHash } from "node:crypto";
import { readFileSync } from "node:fs";
import { fileURLToPath } from "node:url";
import { defineConfig, transformWithEsbuild, type Plugin } from "vite";

const here = (path: string) => fileURLToPath(new URL(path, import.meta.url));

// Only a build needs the module; serving a built site does not.
const moduleDir = process.env.BRINDLEX_MODULE_DIR ?? "";

function site(): Plugin {
  return {
    name: "brindlex-site",
    enforce: "post",
    buildStart() {
      if (!moduleDir) {
        this.error("BRINDLEX_MODULE_DIR must name the folder of brindlex.js and brindlex.wasm");
      }
      this.emitFile({
        type: "asset",
        fileName: "icon.svg",
        source: readFileSync(here("../res/icons/hicolor/scalable/apps/org.brindlex.Brindlex.svg")),
      });
    },
    transformIndexHtml: {
      order: "post",
      handler(_html, context) {
        // The module's code is fetched while the page's script loads, not after it.
        const wasm = Object.keys(context.bundle ?? {}).find((name) => name.endsWith(".wasm"));
        return wasm
          ? [
              {
                tag: "link",
                attrs: { rel: "preload", href: `./${wasm}`, as: "fetch", crossorigin: "" },
                injectTo: "head",
              },
            ]
          : [];
      },
    },
    async generateBundle(_options, bundle) {
      const files = ["./", "manifest.webmanifest", ...Object.keys(bundle)].sort();
      const hash = createHash("sha256");
      for (const name of Object.keys(bundle).sort()) {
        const item = bundle[name];
        hash.update(name).update(item.type === "chunk" ? item.code : item.source);
      }
      hash.update(readFileSync(here("public/manifest.webmanifest")));
      const worker = await transformWithEsbuild(readFileSync(here("src/sw.ts"), "utf8"), "sw.ts", {
        minify: true,
        define: {
          SITE_FILES: JSON.stringify(files),
          SITE_VERSION: JSON.stringify(`brindlex-${hash.digest("hex").slice(0, 16)}`),
        },
      });
      this.emitFile({ type: "asset", fileName: "sw.js", source: worker.code });
    },
  };
}

export default defineConfig({
  base: "./",
  resolve: { alias: { "@module": moduleDir } },
  build: {
    target: "es2022",
    assetsInlineLimit: 0,
    reportCompressedSize: false,
    modulePreload: { polyfill: false },
    rollupOptions: {
      output: {
        // The module's script in a file of its own, which scripts can import alone.
        manualChunks: (id) => (moduleDir && id.startsWith(moduleDir) ? "brindlex" : undefined),
      },
    },
  },
  plugins: [site()],
});
