// The browser tests run in Debian's Chromium against the built site (BRINDLEX_SITE), which
// `vite preview` serves on this machine only.
import { readFileSync } from "node:fs";
import { defineConfig } from "@playwright/test";

// Debian's Chromium, run as root and kept from calling home; the benchmark starts it alike.
const chromium = JSON.parse(readFileSync(new URL("chromium.json", import.meta.url), "utf8")) as {
  executablePath: string;
  args: string[];
};

const site = process.env.BRINDLEX_SITE ?? "../build/web/site";
const port = Number(process.env.BRINDLEX_TEST_PORT ?? 4173);

export default defineConfig({
  testDir: "tests",
  testMatch: "*.test.ts",
  outputDir: process.env.BRINDLEX_TEST_OUTPUT ?? "test-results",
  fullyParallel: false,
  workers: 1,
  timeout: 120_000,
  reporter: [["list"]],
  use: {
    baseURL: `http://127.0.0.1:${port}/`,
    launchOptions: {
      executablePath: process.env.BRINDLEX_CHROMIUM ?? chromium.executablePath,
      args: chromium.args,
    },
  },
  webServer: {
    command: `npx vite preview --outDir "${site}" --host 127.0.0.1 --port ${port} --strictPort`,
    url: `http://127.0.0.1:${port}/`,
    reuseExistingServer: false,
    timeout: 60_000,
  },
});
