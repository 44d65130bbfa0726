// The site as a whole: accessible on every kind of page, from a phone to a desktop in light
// and dark, working offline after the first visit, and asking no other origin for anything.
import AxeBuilder from "@axe-core/playwright";
import { expect, test, type Page } from "@playwright/test";
import { chooseCategory, openPage, showAdultTab } from "./helpers";

// One category of every kind of page, by tab and caption.
const kPagesOfEveryKind: [string, string][] = [
  ["Furryness", "Species"],
  ["Furryness", "Specifics"],
  ["Furryness", "Fursuits"],
  ["Furryness", "YiffyYiffy"],
  ["Humanness", "Specifics"],
  ["Humanness", "Work"],
  ["Humanness", "Gaming"],
  ["Yiffyness", "Specifics"],
  ["Yiffyness", "Fursuit"],
];

async function expectNoViolations(page: Page, where: string) {
  const results = await new AxeBuilder({ page }).analyze();
  expect(
    results.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(", ")}`),
    where,
  ).toEqual([]);
}

for (const scheme of ["light", "dark"] as const) {
  test(`axe finds nothing on any kind of page, ${scheme}`, async ({ page }) => {
    await page.emulateMedia({ colorScheme: scheme });
    await openPage(page);
    await showAdultTab(page);
    await page.getByRole("combobox", { name: "Species family" }).selectOption("Other");
    for (const [tab, caption] of kPagesOfEveryKind) {
      await chooseCategory(page, tab, caption);
      await expectNoViolations(page, `${tab} / ${caption}`);
    }
    await page.getByRole("button", { name: "Read a Code Line" }).click();
    await page
      .getByRole("textbox", { name: "Post or code line" })
      .fill("look:\n2.0FCf9 V+ V- O 2 5 Qx\n2.0FLr3");
    await expectNoViolations(page, "Read a Code Line");
  });
}

for (const width of [360, 1280]) {
  for (const scheme of ["light", "dark"] as const) {
    test(`the page fits ${width} px, ${scheme}`, async ({ page }, info) => {
      await page.setViewportSize({ width, height: 900 });
      await page.emulateMedia({ colorScheme: scheme });
      await openPage(page);
      await chooseCategory(page, "Furryness", "Fursuits");
      await page.getByRole("slider", { name: "Fursuits level" }).fill("5");
      const overflow = await page.evaluate(
        () => document.documentElement.scrollWidth - document.documentElement.clientWidth,
      );
      expect(overflow).toBeLessThanOrEqual(0);
      await page.screenshot({
        path: info.outputPath(`page-${width}-${scheme}.png`),
        fullPage: true,
      });
      await page.getByRole("button", { name: "Read a Code Line" }).click();
      await page
        .getByRole("textbox", { name: "Post or code line" })
        .fill("Mine:\n2.0FCf9 V+ V- O 2 5 Qx\n");
      await page.screenshot({ path: info.outputPath(`reader-${width}-${scheme}.png`) });
    });
  }
}

test("after the first visit the page opens and answers without a network", async ({
  page,
  context,
}) => {
  await openPage(page);
  await page.evaluate(async () => {
    await navigator.serviceWorker.ready;
  });
  // Once the worker controls the page, every file of the site is kept.
  await page.reload();
  await expect
    .poll(() => page.evaluate(() => navigator.serviceWorker.controller !== null))
    .toBe(true);
  await context.setOffline(true);
  await page.reload();
  await expect(page.locator("html[data-ready=true]")).toHaveCount(1);
  await chooseCategory(page, "Furryness", "Hugs");
  await page.getByRole("slider", { name: "Hugs level" }).fill("6");
  await expect(page.getByRole("textbox", { name: "Code line", exact: true })).toHaveValue(
    / H\+\+ /,
  );
  await context.setOffline(false);
});

test("the page asks its own origin only, under its Content-Security-Policy", async ({ page }) => {
  const requests: string[] = [];
  const refused: string[] = [];
  page.on("request", (request) => requests.push(request.url()));
  page.on("console", (message) => {
    if (message.type() === "error") {
      refused.push(message.text());
    }
  });
  await openPage(page);
  await showAdultTab(page);
  for (const [tab, caption] of kPagesOfEveryKind) {
    await chooseCategory(page, tab, caption);
  }
  await page.getByRole("button", { name: "Read a Code Line" }).click();
  await page.getByRole("textbox", { name: "Post or code line" }).fill("2.0FCf5 V+");
  const origin = new URL(page.url()).origin;
  expect(requests.length).toBeGreaterThan(3);
  expect(
    requests.filter((url) => !url.startsWith(`${origin}/`) && !url.startsWith("blob:")),
  ).toEqual([]);
  expect(refused).toEqual([]);
  const policy = await page
    .locator('meta[http-equiv="Content-Security-Policy"]')
    .getAttribute("content");
  expect(policy).toContain("script-src 'self' 'wasm-unsafe-eval'");
  expect(policy).toContain("default-src 'self'");
  const manifest = await page.locator('link[rel="manifest"]').getAttribute("href");
  const response = await page.request.get(new URL(manifest!, page.url()).href);
  expect((await response.json()).display).toBe("standalone");
});
