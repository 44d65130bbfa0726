// What the browser tests share: opening the page, and the module itself, loaded in the page
// beside it, as the oracle of what a line and a record are.
import { expect, type Page } from "@playwright/test";

export const kAnswersKey = "brindlex.answers";
export const kUnreadableKey = "brindlex.answers.unreadable";

export async function openPage(page: Page, path = "./"): Promise<void> {
  await page.goto(path);
  await expect(page.locator("html[data-ready=true]")).toHaveCount(1);
}

// Loads the site's module a second time inside the page, for the test's own questions.
export async function loadModule(page: Page): Promise<void> {
  await page.evaluate(async () => {
    const scope = window as unknown as { testModule?: unknown };
    if (scope.testModule) {
      return;
    }
    const script = document.querySelector<HTMLLinkElement>(
      'link[rel=modulepreload][href*="brindlex"]',
    );
    const wasm = document.querySelector<HTMLLinkElement>("link[rel=preload][as=fetch]");
    if (!script || !wasm) {
      throw new Error("the page names no module");
    }
    // The bundler names the chunk's exports as it likes: the factory is its one function.
    const chunk = (await import(script.href)) as Record<string, unknown>;
    const factory = Object.values(chunk).find((value) => typeof value === "function") as (
      options: object,
    ) => Promise<unknown>;
    scope.testModule = await factory({ locateFile: () => wasm.href });
  });
}

// The code line that the module writes for the answers the page keeps in the browser.
export async function composedFromStore(page: Page): Promise<string> {
  return page.evaluate((key) => {
    const module = (window as unknown as { testModule: TestModule }).testModule;
    const answers = new module.Answers();
    const stored = window.localStorage.getItem(key) ?? "{}";
    const reason = answers.fromJson(stored);
    const line = reason ? `unreadable: ${reason}` : answers.line();
    answers.delete();
    return line;
  }, kAnswersKey);
}

// The part of the module these tests call inside the page.
export interface TestModule {
  Answers: new () => {
    line(): string;
    read(line: string): string;
    fromJson(text: string): string;
    toJson(): string;
    page(category: number, trainedField: number, exactAge: boolean): TestPage;
    delete(): void;
  };
  tabs(): { name: string; first: number; count: number }[];
  category(category: number): { caption: string; kind: string; level: string; field: string };
  rejectionReason(line: string): string;
}

export interface TestPage {
  category: number;
  kind: string;
  caption: string;
  help: string;
  controls: {
    kind: string;
    name: string;
    label: string;
    enabled: boolean;
    entries?: string[];
    selected?: number;
    checked?: boolean;
    level?: number;
    words?: string[];
    text?: string;
  }[];
}

export async function codeLine(page: Page): Promise<string> {
  return page.getByRole("textbox", { name: "Code line", exact: true }).inputValue();
}

// Expects the line field to show what the module composes from the stored answers.
export async function expectLineOfRecord(page: Page): Promise<void> {
  await expect
    .poll(async () => (await codeLine(page)) === (await composedFromStore(page)))
    .toBe(true);
}

export async function chooseCategory(page: Page, tab: string, caption: string): Promise<void> {
  await page.getByRole("tab", { name: tab, exact: true }).click();
  await page
    .getByRole("listbox", { name: "Categories" })
    .getByRole("option", { name: caption, exact: true })
    .click();
}

export async function showAdultTab(page: Page): Promise<void> {
  await page.getByRole("checkbox", { name: "I am old enough to view adult material" }).check();
}
