// "Read a Code Line": someone's post, their answers beside yours, the repairs, and the link
// that opens the reader on a line.
import { expect, test } from "@playwright/test";
import { chooseCategory, codeLine, loadModule, openPage, type TestModule } from "./helpers";

const kPost = [
  "> Here are ours, have a look:",
  "> 2.0FCf5mw V+++ M# Dm++ O25",
  "",
  "and my old one, typed from memory:",
  "2.0FLr9 V+ V- O 2 5 Qx",
].join("\n");

test("the reader finds both lines of a post and tells their answers beside yours", async ({
  page,
}) => {
  await openPage(page);
  await loadModule(page);
  await chooseCategory(page, "Furryness", "Art");
  await page.getByRole("slider", { name: "Art level" }).fill("7");
  const yours = await codeLine(page);

  await page.getByRole("button", { name: "Read a Code Line" }).click();
  const reader = page.getByRole("dialog", { name: "Read a Code Line" });
  await reader.getByRole("textbox", { name: "Post or code line" }).fill(kPost);
  const found = reader.getByRole("listbox", { name: "Code lines found" });
  await expect(found.getByRole("option")).toHaveCount(2);
  await expect(found.getByRole("option").first()).toContainText("line 2: 2.0FCf5mw");

  // The first line says Art "+++" as you do: the same, not marked.
  const table = reader.getByRole("table", { name: "Answers" });
  const art = table.getByRole("row").filter({ has: page.getByRole("rowheader", { name: "Art" }) });
  await expect(art).not.toHaveClass(/differs/);
  const species = table
    .getByRole("row")
    .filter({ has: page.getByRole("rowheader", { name: "Species" }) });
  await expect(species).toHaveClass(/differs/);
  await expect(reader.getByRole("listitem")).toHaveText(["None: the line reads as it is written."]);

  // The second one differs in more, and was repaired.
  await found.selectOption({ index: 1 });
  await expect(art).toHaveClass(/differs/);
  const repairs = reader.getByRole("list", { name: "Repairs" }).getByRole("button");
  await expect(repairs).toHaveCount(4);
  await expect(repairs.first()).toContainText("Anthro Level");
  await expect(reader.locator("mark")).toHaveText(["9", "V+", "O 2 5", "Qx"]);
  await repairs.last().click();
  const selected = await reader
    .getByRole("textbox", { name: "Post or code line" })
    .evaluate((area: HTMLTextAreaElement) =>
      area.value.slice(area.selectionStart, area.selectionEnd),
    );
  expect(selected).toBe("Qx");

  // The switch shows only the rows that differ.
  const rows = await table.locator("tbody tr").count();
  await reader.getByRole("switch", { name: "Show only differences" }).check();
  const differing = table.locator("tbody tr");
  expect(await differing.count()).toBeLessThan(rows);
  await expect(differing).toHaveCount(await table.locator("tbody tr.differs").count());

  // "Use These Answers" only after a yes; then the line is yours, in its normal form.
  page.once("dialog", (dialog) => void dialog.dismiss());
  await reader.getByRole("button", { name: "Use These Answers" }).click();
  expect(await codeLine(page)).toBe(yours);
  page.once("dialog", (dialog) => void dialog.accept());
  await reader.getByRole("button", { name: "Use These Answers" }).click();
  const normal = await page.evaluate(() => {
    const module = (window as unknown as { testModule: TestModule }).testModule;
    const answers = new module.Answers();
    answers.read("2.0FLr9 V+ V- O 2 5 Qx");
    const line = answers.line();
    answers.delete();
    return line;
  });
  expect(await codeLine(page)).toBe(normal);
  await expect(differing).toHaveCount(0);
});

test("a share link opens the reader on its line and leaves your answers alone", async ({
  page,
}) => {
  const requests: string[] = [];
  page.on("request", (request) => requests.push(request.url()));
  await openPage(page);
  await chooseCategory(page, "Furryness", "Plushies");
  await page.getByRole("slider", { name: "Plushies level" }).fill("2");
  const yours = await codeLine(page);

  const shared = "2.0FFx3 V++ Nf+++";
  await openPage(page, `./#${encodeURIComponent(shared)}`);
  const reader = page.getByRole("dialog", { name: "Read a Code Line" });
  await expect(reader).toBeVisible();
  await expect(reader.getByRole("textbox", { name: "Post or code line" })).toHaveValue(shared);
  await expect(reader.getByRole("listbox", { name: "Code lines found" })).toContainText("2.0FFx3");
  expect(await codeLine(page)).toBe(yours);
  // The fragment stays in the browser.
  expect(requests.filter((url) => url.includes("2.0F"))).toEqual([]);

  // The reader's own share button gives the same kind of link.
  await page.context().grantPermissions(["clipboard-read", "clipboard-write"]);
  await reader.getByRole("button", { name: "Copy Share Link" }).click();
  const link = await page.evaluate(() => navigator.clipboard.readText());
  expect(decodeURIComponent(new URL(link).hash.slice(1))).toContain("2.0FFx3");
});
