// Lines read into the page, the page's controls against the record the module reads, and
// the answers kept in the browser, downloaded and opened again.
import { execFileSync } from "node:child_process";
import { readFileSync } from "node:fs";
import { expect, test } from "@playwright/test";
import {
  chooseCategory,
  codeLine,
  expectLineOfRecord,
  kAnswersKey,
  kUnreadableKey,
  loadModule,
  openPage,
  showAdultTab,
  type TestModule,
} from "./helpers";

// The record's numeric members and their widths, as its JSON form documents them.
const kFields: [string, number][] = [
  ["speciesFamily", 5], ["speciesIndex", 4], ["specificsFlags", 17], ["madeOwnSuit", 1],
  ["characterGender", 2], ["workType", 5], ["age", 7], ["gamingFlags", 9],
  ["trainedFlags", 21], ["furrySite", 1], ["ownGender", 2], ["compyFlags", 5],
  ["yiffyYiffyPreference", 4], ["sexPreference", 4], ["includeKinks", 1], ["anthroLevel", 3],
  ["realismLevel", 3], ["interwebsRpLevel", 3], ["fursuitsLevel", 3], ["transformationLevel", 3],
  ["hugsLevel", 3], ["plushiesLevel", 3], ["consLevel", 3], ["artLevel", 3], ["writingLevel", 3],
  ["yiffyYiffyLevel", 3], ["educationLevel", 3], ["furFactorLevel", 3], ["livingLevel", 3],
  ["petsLevel", 3], ["gamingLevel", 3], ["interwebsLevel", 3], ["compyLevel", 3],
  ["animeLevel", 3], ["sexLevel", 3],
]; // prettier-ignore

// A random record, the same in every run.
function records(count: number): string[] {
  let seed = 20;
  const next = (limit: number) => {
    seed = (seed * 1103515245 + 12345) % 2147483648;
    return seed % limit;
  };
  const result: string[] = [];
  for (let i = 0; i < count; ++i) {
    const record: Record<string, unknown> = {};
    for (const [name, width] of kFields) {
      record[name] = next(2 ** width);
    }
    record.workType = next(28);
    record.speciesFamily = next(27);
    record.customSpeciesName = ["", "Dhole", "Kitsune Fox"][next(3)];
    record.kinkPrefs = Array.from({ length: 96 }, () => next(16));
    result.push(JSON.stringify(record));
  }
  return result;
}

// Visits the pages of `categories` by clicking their tabs and rows, and lists where a
// control shows other than the module's page of the record that `line` reads into.
function mismatchesOnPages([line, categories]: [string, number[]]): string[] {
  const module = (window as unknown as { testModule: TestModule }).testModule;
  const answers = new module.Answers();
  answers.read(line);
  const record = JSON.parse(answers.toJson()) as Record<string, number>;
  const tabs = module.tabs();
  const wrong: string[] = [];
  for (const category of categories) {
    const tab = tabs.findIndex((t) => category >= t.first && category < t.first + t.count);
    (document.getElementById(`tab-${tab}`) as HTMLElement).click();
    (document.getElementById(`category-${category}`) as HTMLElement).click();
    const expected = answers.page(category, 0, false);
    const info = module.category(category);
    const where = (what: string) => `page ${category} (${expected.caption}): ${what}`;
    if (document.getElementById("page-caption")?.textContent !== expected.caption) {
      wrong.push(where("caption"));
    }
    const shown = [
      ...document.querySelectorAll<HTMLInputElement | HTMLSelectElement>(
        "#controls select, #controls input",
      ),
    ];
    if (shown.length !== expected.controls.length) {
      wrong.push(where(`${shown.length} controls`));
      continue;
    }
    expected.controls.forEach((control, i) => {
      const element = shown[i];
      const name =
        element.getAttribute("aria-label") ??
        (element.labels?.[0]?.textContent ?? "").replace(/\s+/g, " ").trim();
      if (name !== control.name.replace(/\s+/g, " ")) {
        wrong.push(where(`name ${name} for ${control.name}`));
      }
      if (element.disabled === control.enabled) {
        wrong.push(where(`${control.name} enabled`));
      }
      const input = element as HTMLInputElement;
      const value =
        control.kind === "list"
          ? [(element as HTMLSelectElement).selectedIndex, control.selected]
          : control.kind === "box"
            ? [input.checked, control.checked]
            : control.kind === "slider"
              ? [
                  `${input.value} ${input.getAttribute("aria-valuetext")}`,
                  `${control.level} ${control.words![control.level!]}`,
                ]
              : [input.value, control.text];
      if (value[0] !== value[1]) {
        wrong.push(where(`${control.name} shows ${value[0]}, not ${value[1]}`));
      }
      // The level a page shows is the record's own field.
      if (control.kind === "slider" && info.level && Number(input.value) !== record[info.level]) {
        wrong.push(where(`${control.name} shows ${input.value}, the record ${record[info.level]}`));
      }
    });
  }
  answers.delete();
  return wrong;
}

test("50 generated lines, pasted, show on every page as the module reads them", async ({
  page,
}) => {
  test.setTimeout(600_000);
  await openPage(page);
  await loadModule(page);
  await showAdultTab(page);
  const lines = await page.evaluate((texts) => {
    const module = (window as unknown as { testModule: TestModule }).testModule;
    return texts.map((text) => {
      const answers = new module.Answers();
      answers.fromJson(text);
      const line = answers.line();
      answers.delete();
      return line;
    });
  }, records(50));
  // The adult tab begins with the kink switch; a kink follows for each of its other rows.
  const adult = (
    await page.evaluate(() => (window as unknown as { testModule: TestModule }).testModule.tabs())
  )[2];
  const kinkCount = adult.count - 1;
  const field = page.getByRole("textbox", { name: "Code line", exact: true });
  for (const [n, line] of lines.entries()) {
    await field.fill(line);
    await field.press("Tab");
    await expect(field).toHaveValue(line);
    await expectLineOfRecord(page);
    // Every page of the first two tabs and the kink switch, and four kinks, in turns.
    const kinks = [0, 1, 2, 3].map((k) => adult.first + 1 + ((n * 4 + k) % kinkCount));
    const categories = [...Array.from({ length: adult.first + 1 }, (_, c) => c), ...kinks];
    expect(
      await page.evaluate(mismatchesOnPages, [line, categories] as [string, number[]]),
      line,
    ).toEqual([]);
  }
});

test("the line after an answer is what brindlex-code composes for the record", async ({ page }) => {
  const tool = process.env.BRINDLEX_CODE;
  test.skip(!tool, "BRINDLEX_CODE names no brindlex-code");
  await openPage(page);
  await chooseCategory(page, "Furryness", "Species");
  await page.getByRole("combobox", { name: "Species family" }).selectOption("Feline (Cat)");
  await page.getByRole("combobox", { name: "Species", exact: true }).selectOption("Lynx");
  await chooseCategory(page, "Furryness", "Art");
  await page.getByRole("slider", { name: "Art level" }).fill("6");
  await chooseCategory(page, "Humanness", "Compy");
  await page.getByRole("checkbox", { name: "Linux" }).check();
  await page.getByRole("slider", { name: "Compy level" }).fill("5");
  const record = await page.evaluate((key) => window.localStorage.getItem(key), kAnswersKey);
  const composed = execFileSync(tool!, ["compose"], { input: record ?? "" })
    .toString()
    .trim();
  expect(await codeLine(page)).toBe(composed);
});

test("a line that cannot be read puts the last line back and says why", async ({ page }) => {
  await openPage(page);
  await loadModule(page);
  const field = page.getByRole("textbox", { name: "Code line" });
  const before = await field.inputValue();
  await field.fill("2.0G nothing to read");
  await field.press("Tab");
  await expect(field).toHaveValue(before);
  const reason = await page.evaluate(() =>
    (window as unknown as { testModule: TestModule }).testModule.rejectionReason(
      "2.0G nothing to read",
    ),
  );
  expect(reason).not.toBe("");
  await expect(page.locator("#line-message")).toContainText(reason);

  // Entering and leaving the field reads nothing.
  await field.focus();
  await field.press("Tab");
  await expect(page.locator("#line-message")).toContainText(reason);
});

test("answers are kept over a reload", async ({ page }) => {
  await openPage(page);
  await chooseCategory(page, "Furryness", "Hugs");
  await page.getByRole("slider", { name: "Hugs level" }).fill("7");
  const line = await codeLine(page);
  await page.reload();
  await expect(page.locator("html[data-ready=true]")).toHaveCount(1);
  expect(await codeLine(page)).toBe(line);
  await chooseCategory(page, "Furryness", "Hugs");
  await expect(page.getByRole("slider", { name: "Hugs level" })).toHaveValue("7");
});

test("a stored value that cannot be read starts empty, is kept aside and told once", async ({
  page,
}) => {
  await openPage(page);
  const empty = await codeLine(page);
  await page.evaluate((key) => window.localStorage.setItem(key, '{"artLevel": 9'), kAnswersKey);
  await page.reload();
  await expect(page.locator("html[data-ready=true]")).toHaveCount(1);
  await expect(page.getByRole("status").first()).toContainText("could not be read back");
  expect(await codeLine(page)).toBe(empty);
  const kept = await page.evaluate(
    ([bad, key]) => [window.localStorage.getItem(bad), window.localStorage.getItem(key)],
    [kUnreadableKey, kAnswersKey],
  );
  expect(kept).toEqual(['{"artLevel": 9', null]);
  await page.reload();
  await expect(page.locator("html[data-ready=true]")).toHaveCount(1);
  await expect(page.locator("#notice")).toHaveText("");
});

test("a custom name with markup is shown as text", async ({ page }) => {
  const name = "<img src=x onerror=alert(1)>";
  let dialogs = 0;
  page.on("dialog", (dialog) => {
    dialogs += 1;
    void dialog.dismiss();
  });
  await openPage(page);
  await page.getByRole("combobox", { name: "Species family" }).selectOption("Other");
  await page.getByRole("textbox", { name: "Custom species name" }).fill(name);
  expect(await codeLine(page)).toContain(name);
  await page.reload();
  await expect(page.locator("html[data-ready=true]")).toHaveCount(1);
  await expect(page.getByRole("textbox", { name: "Custom species name" })).toHaveValue(name);
  await page.getByRole("button", { name: "Read a Code Line" }).click();
  await page.getByRole("textbox", { name: "Post or code line" }).fill(await codeLine(page));
  await expect(page.getByRole("table", { name: "Answers" })).toContainText(name);
  expect(await page.locator("img").count()).toBe(0);
  expect(dialogs).toBe(0);
});

test("Start Over clears the answers only after a yes", async ({ page }) => {
  await openPage(page);
  const empty = await codeLine(page);
  await chooseCategory(page, "Furryness", "Cons");
  await page.getByRole("slider", { name: "Cons level" }).fill("3");
  const answered = await codeLine(page);
  page.once("dialog", (dialog) => void dialog.dismiss());
  await page.getByRole("button", { name: "Start Over" }).click();
  expect(await codeLine(page)).toBe(answered);
  page.once("dialog", (dialog) => void dialog.accept());
  await page.getByRole("button", { name: "Start Over" }).click();
  expect(await codeLine(page)).toBe(empty);
  await expect(page.getByRole("slider", { name: "Cons level" })).toHaveValue("0");
});

test("Download saves the line and one 0x00 byte, and Open reads it back", async ({ page }) => {
  await openPage(page);
  await chooseCategory(page, "Furryness", "Writing");
  await page.getByRole("slider", { name: "Writing level" }).fill("6");
  const line = await codeLine(page);
  const [download] = await Promise.all([
    page.waitForEvent("download"),
    page.getByRole("button", { name: "Download" }).click(),
  ]);
  expect(download.suggestedFilename()).toMatch(/\.txt$/);
  const bytes = readFileSync(await download.path());
  expect(bytes).toEqual(Buffer.concat([Buffer.from(line, "utf8"), Buffer.from([0])]));

  page.once("dialog", (dialog) => void dialog.accept());
  await page.getByRole("button", { name: "Start Over" }).click();
  expect(await codeLine(page)).not.toBe(line);
  const chooser = page.waitForEvent("filechooser");
  await page.getByRole("button", { name: "Open" }).click();
  await (await chooser).setFiles({ name: "saved.txt", mimeType: "text/plain", buffer: bytes });
  await expect.poll(() => codeLine(page)).toBe(line);

  const again = page.waitForEvent("filechooser");
  await page.getByRole("button", { name: "Open" }).click();
  await (
    await again
  ).setFiles({
    name: "notes.txt",
    mimeType: "text/plain",
    buffer: Buffer.from("shopping list\n2.0FCf5\n"),
  });
  await expect(page.locator("#line-message")).toContainText("notes.txt is no code line");
  expect(await codeLine(page)).toBe(line);
});
