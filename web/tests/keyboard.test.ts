// The page driven by the keyboard alone, by role and name as a screen reader user finds it.
import { expect, test, type Page } from "@playwright/test";
import { codeLine, expectLineOfRecord, loadModule, openPage } from "./helpers";

const focused = (page: Page) => page.locator(":focus");

async function tabTo(page: Page, role: Parameters<Page["getByRole"]>[0], name: string) {
  await page.keyboard.press("Tab");
  await expect(page.getByRole(role, { name, exact: true })).toBeFocused();
}

async function backToCategories(page: Page) {
  const list = page.getByRole("listbox", { name: "Categories" });
  for (let i = 0; i < 40; ++i) {
    if (await list.evaluate((element) => element === document.activeElement)) {
      return;
    }
    await page.keyboard.press("Shift+Tab");
  }
  throw new Error("Shift+Tab never reached the category list");
}

async function expectVisibleFocus(page: Page) {
  const outline = await focused(page).evaluate((element) => getComputedStyle(element).outlineStyle);
  expect(outline).not.toBe("none");
}

test("a keyboard-only walk answers one question of every page kind", async ({ page }) => {
  await openPage(page);
  await loadModule(page);
  const empty = await codeLine(page);

  await tabTo(page, "checkbox", "I am old enough to view adult material");
  await page.keyboard.press("Space");
  await tabTo(page, "button", "Read a Code Line");
  await tabTo(page, "tab", "Furryness");
  await expectVisibleFocus(page);
  await tabTo(page, "listbox", "Categories");
  await expectVisibleFocus(page);

  // Species: a list.
  await tabTo(page, "combobox", "Species family");
  for (let i = 0; i < 3; ++i) {
    await page.keyboard.press("ArrowDown");
  }
  await expect(page.getByRole("combobox", { name: "Species family" })).toHaveValue("Canidae (Dog)");
  await expect(page.getByRole("combobox", { name: "Species", exact: true })).toBeVisible();
  await expectLineOfRecord(page);
  expect(await codeLine(page)).not.toBe(empty);

  // Traits: a box.
  await backToCategories(page);
  await page.keyboard.press("ArrowDown");
  await tabTo(page, "combobox", "Gender");
  await tabTo(page, "checkbox", "Cyborg");
  await page.keyboard.press("Space");
  await expect(page.getByRole("checkbox", { name: "Cyborg" })).toBeChecked();
  await expectLineOfRecord(page);

  // A level: the slider, whose every step is an answer.
  await backToCategories(page);
  await page.keyboard.press("ArrowDown");
  await tabTo(page, "slider", "Anthro Level");
  const slider = page.getByRole("slider", { name: "Anthro Level" });
  await page.keyboard.press("ArrowUp");
  await expect(slider).toHaveAttribute("aria-valuetext", "0");
  await page.keyboard.press("ArrowUp");
  await expect(slider).toHaveValue("2");
  await expect(slider).toHaveAttribute("aria-valuetext", "1");
  await expectLineOfRecord(page);

  // A preference: the box opens the two lists.
  await backToCategories(page);
  await page.keyboard.press("End");
  await tabTo(page, "checkbox", "Specify my sexual preference: Guys | Girls");
  await expect(page.getByRole("combobox", { name: "Guys" })).toBeDisabled();
  await page.keyboard.press("Space");
  await tabTo(page, "combobox", "Guys");
  await page.keyboard.press("ArrowDown");
  await expect(page.getByRole("combobox", { name: "Guys" })).toHaveValue("Not Attracted To");
  await expectLineOfRecord(page);

  // The age: the second tab, by its arrow keys.
  await backToCategories(page);
  await page.keyboard.press("Shift+Tab");
  await expect(page.getByRole("tab", { name: "Furryness" })).toBeFocused();
  await page.keyboard.press("ArrowRight");
  await expect(page.getByRole("tab", { name: "Humanness" })).toHaveAttribute(
    "aria-selected",
    "true",
  );
  await tabTo(page, "listbox", "Categories");
  await tabTo(page, "combobox", "Gender");
  await tabTo(page, "checkbox", "Specify Actual Age");
  await page.keyboard.press("Space");
  await expect(page.getByRole("slider", { name: "Age level" })).toBeDisabled();
  await tabTo(page, "textbox", "Exact age");
  await page.keyboard.type("3x5");
  await expect(page.getByRole("textbox", { name: "Exact age" })).toHaveValue("35");
  expect(await codeLine(page)).toContain(" O35 ");
  await expectLineOfRecord(page);

  // Work: two lists and the box of the field shown.
  await backToCategories(page);
  await page.keyboard.press("ArrowDown");
  await page.keyboard.press("ArrowDown");
  await tabTo(page, "combobox", "Work");
  await page.keyboard.press("ArrowDown");
  await tabTo(page, "combobox", "Trained field");
  await page.keyboard.press("ArrowDown");
  await tabTo(page, "checkbox", "I am trained in this field");
  await page.keyboard.press("Space");
  await expectLineOfRecord(page);

  // The kink switch and a kink, on the adult tab.
  await backToCategories(page);
  await page.keyboard.press("Shift+Tab");
  await page.keyboard.press("ArrowRight");
  await expect(page.getByRole("tab", { name: "Yiffyness" })).toHaveAttribute(
    "aria-selected",
    "true",
  );
  await tabTo(page, "listbox", "Categories");
  await page.keyboard.press("ArrowDown");
  await tabTo(page, "combobox", "Role play");
  await page.keyboard.press("ArrowDown");
  await expectLineOfRecord(page);
  const withoutKinks = await codeLine(page);
  await backToCategories(page);
  await page.keyboard.press("Home");
  await tabTo(page, "checkbox", "Include my kinks");
  await page.keyboard.press("Space");
  await expectLineOfRecord(page);
  expect(await codeLine(page)).not.toBe(withoutKinks);

  // Then the code line and its buttons.
  await tabTo(page, "textbox", "Code line");
  await tabTo(page, "button", "Copy");
  await expectVisibleFocus(page);
});

test("a tab remembers its row, and the adult tab hides again", async ({ page }) => {
  await openPage(page);
  const tabs = page.getByRole("tab");
  await expect(tabs).toHaveText(["Furryness", "Humanness"]);
  const list = page.getByRole("listbox", { name: "Categories" });
  await list.getByRole("option", { name: "Hugs" }).click();
  await page.getByRole("tab", { name: "Humanness" }).click();
  await list.getByRole("option", { name: "Pets" }).click();
  await page.getByRole("tab", { name: "Furryness" }).click();
  await expect(list.getByRole("option", { selected: true })).toHaveText("Hugs");
  await expect(page.getByRole("heading", { name: "Hugs" })).toBeVisible();

  const adult = page.getByRole("checkbox", { name: "I am old enough to view adult material" });
  await adult.check();
  await page.getByRole("tab", { name: "Yiffyness" }).click();
  await expect(list.getByRole("option")).toHaveCount(97);
  await adult.uncheck();
  await expect(tabs).toHaveCount(2);
  await expect(page.getByRole("tab", { name: "Furryness" })).toHaveAttribute(
    "aria-selected",
    "true",
  );
  await expect(list.getByRole("option", { selected: true })).toHaveText("Hugs");
});
