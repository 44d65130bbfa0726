// The tabs, the category list and the page of the chosen category, drawn from what the
// module says about them. Every answer is handed to the module at once.
import type {
  Answers,
  BrindlexModule,
  Control,
  ListControl,
  Page,
  SliderControl,
  Tab,
  TextControl,
} from "@module/brindlex.js";
import { byId, make, shown } from "./dom";

const kAdultTab = 2;
const kPageStep = 10;

interface Drawn {
  control: Control;
  input: HTMLInputElement | HTMLSelectElement;
}

export class Questionnaire {
  private readonly tabs: Tab[];
  private readonly tabList = byId("tabs");
  private readonly panel = byId("tab-panel");
  private readonly list = byId("categories");
  private readonly caption = byId("page-caption");
  private readonly controlsBox = byId("controls");
  private readonly help = byId("help");
  private tabButtons: HTMLButtonElement[] = [];
  private adult = false;
  private tab = 0;
  private row = 0;
  // The row chosen when the user last left each tab.
  private readonly rows: number[];
  // What the page shows and the record does not keep: the trained field of the work page,
  // and whether the age page's box was ticked while no age is stored.
  private trainedField = 0;
  private exactAge = false;
  private drawn: Drawn[] = [];
  private shape = "";

  constructor(
    private readonly module: BrindlexModule,
    private readonly answers: Answers,
    private readonly changed: () => void,
  ) {
    this.tabs = module.tabs();
    this.rows = this.tabs.map(() => 0);
    const names = module.names();
    this.tabList.setAttribute("aria-label", names.tabs);
    this.list.setAttribute("aria-label", names.categories);
    this.help.setAttribute("aria-label", names.help);
    this.list.addEventListener("keydown", (event) => this.onListKey(event));
    this.tabList.addEventListener("keydown", (event) => this.onTabKey(event));
    this.drawTabs();
    this.fillList();
  }

  get category(): number {
    return this.tabs[this.tab].first + this.row;
  }

  // Shows or hides the adult tab; hiding it while it is chosen goes back to the first tab.
  setAdult(shownTab: boolean): void {
    this.adult = shownTab;
    if (!shownTab && this.tab === kAdultTab) {
      this.rows[this.tab] = this.row;
      this.tab = 0;
      this.drawTabs();
      this.fillList();
      return;
    }
    this.drawTabs();
  }

  // Draws the current page again from the answers, e.g. after a code line was read.
  refresh(): void {
    this.drawPage(false);
  }

  private tabCount(): number {
    return this.adult ? this.tabs.length : Math.min(this.tabs.length, kAdultTab);
  }

  private drawTabs(): void {
    this.tabList.replaceChildren();
    this.tabButtons = [];
    for (let t = 0; t < this.tabCount(); ++t) {
      const button = make("button", "tab", this.tabs[t].name);
      button.type = "button";
      button.id = `tab-${t}`;
      button.setAttribute("role", "tab");
      button.setAttribute("aria-controls", this.panel.id);
      button.addEventListener("click", () => this.chooseTab(t, false));
      this.tabButtons.push(button);
      this.tabList.append(button);
    }
    this.markTab();
  }

  private markTab(): void {
    this.tabButtons.forEach((button, t) => {
      button.setAttribute("aria-selected", String(t === this.tab));
      button.tabIndex = t === this.tab ? 0 : -1;
    });
    this.panel.setAttribute("aria-labelledby", `tab-${this.tab}`);
  }

  private chooseTab(tab: number, focus: boolean): void {
    if (tab !== this.tab) {
      this.rows[this.tab] = this.row;
      this.tab = tab;
      this.markTab();
      this.fillList();
    }
    if (focus) {
      this.tabButtons[tab].focus();
    }
  }

  private onTabKey(event: KeyboardEvent): void {
    const count = this.tabCount();
    const moves: Record<string, number> = {
      ArrowRight: (this.tab + 1) % count,
      ArrowLeft: (this.tab + count - 1) % count,
      Home: 0,
      End: count - 1,
    };
    if (event.key in moves) {
      event.preventDefault();
      this.chooseTab(moves[event.key], true);
    }
  }

  private fillList(): void {
    const tab = this.tabs[this.tab];
    const rows: HTMLElement[] = [];
    for (let r = 0; r < tab.count; ++r) {
      const option = make("div", "category", this.module.category(tab.first + r).caption);
      option.id = `category-${tab.first + r}`;
      option.setAttribute("role", "option");
      option.addEventListener("click", () => {
        this.chooseRow(r);
        this.list.focus();
      });
      rows.push(option);
    }
    this.list.replaceChildren(...rows);
    this.row = this.rows[this.tab] < tab.count ? this.rows[this.tab] : 0;
    this.markRow();
    this.drawPage(true);
  }

  private markRow(): void {
    const options = this.list.children;
    for (let r = 0; r < options.length; ++r) {
      options[r].setAttribute("aria-selected", String(r === this.row));
    }
    const chosen = options[this.row] as HTMLElement | undefined;
    if (chosen) {
      this.list.setAttribute("aria-activedescendant", chosen.id);
      chosen.scrollIntoView({ block: "nearest" });
    }
  }

  private chooseRow(row: number): void {
    const count = this.tabs[this.tab].count;
    row = Math.max(0, Math.min(count - 1, row));
    if (row === this.row) {
      return;
    }
    this.row = row;
    this.markRow();
    this.drawPage(true);
  }

  private onListKey(event: KeyboardEvent): void {
    const moves: Record<string, number> = {
      ArrowDown: this.row + 1,
      ArrowUp: this.row - 1,
      Home: 0,
      End: this.tabs[this.tab].count - 1,
      PageDown: this.row + kPageStep,
      PageUp: this.row - kPageStep,
    };
    if (event.key in moves) {
      event.preventDefault();
      this.chooseRow(moves[event.key]);
    }
  }

  // Draws the page of the chosen category. A new page starts with the first trained field;
  // a page drawn again keeps its controls, and the focus, while they ask the same.
  private drawPage(fresh: boolean): void {
    if (fresh) {
      this.trainedField = 0;
      this.exactAge = false;
    }
    const page = this.answers.page(this.category, this.trainedField, this.exactAge);
    const shape = JSON.stringify([
      page.category,
      page.controls.map((c) => [c.kind, c.name, c.kind === "list" ? c.entries : []]),
    ]);
    if (fresh || shape !== this.shape) {
      this.build(page);
      this.shape = shape;
    } else {
      this.update(page);
    }
  }

  private build(page: Page): void {
    const focused = this.drawn.findIndex((d) => d.input === document.activeElement);
    const focusedKey =
      focused >= 0 ? `${this.drawn[focused].control.kind}${this.drawn[focused].control.index}` : "";
    this.caption.textContent = page.caption;
    this.help.textContent = shown(page.help);
    this.help.hidden = page.help === "";
    this.drawn = [];
    const parts: HTMLElement[] = [];
    for (const control of page.controls) {
      const [part, input] = this.drawControl(page, control);
      parts.push(part);
      this.drawn.push({ control, input });
    }
    this.controlsBox.className = `controls ${page.kind}`;
    this.controlsBox.replaceChildren(...parts);
    this.update(page);
    const again = this.drawn.find((d) => `${d.control.kind}${d.control.index}` === focusedKey);
    again?.input.focus();
  }

  private drawControl(page: Page, control: Control): [HTMLElement, Drawn["input"]] {
    const id = `control-${control.kind}-${control.index}`;
    switch (control.kind) {
      case "list": {
        const part = make("div", "field");
        const label = make("label", "", control.label);
        label.htmlFor = id;
        const select = make("select");
        select.id = id;
        if (control.label !== control.name) {
          select.setAttribute("aria-label", control.name);
        }
        select.append(...control.entries.map((entry) => make("option", "", entry)));
        select.addEventListener("change", () => this.onChoose(page, control));
        part.append(label, select);
        return [part, select];
      }
      case "box": {
        const part = make("label", "box");
        const box = make("input");
        box.type = "checkbox";
        box.id = id;
        box.addEventListener("change", () => this.onTick(page, control.index, box.checked));
        part.append(box, make("span", "", shown(control.label)));
        return [part, box];
      }
      case "slider":
        return this.drawSlider(page, control, id);
      case "ageField":
      case "customName":
        return this.drawText(control, id);
    }
  }

  private drawSlider(
    page: Page,
    control: SliderControl,
    id: string,
  ): [HTMLElement, HTMLInputElement] {
    const part = make("div", "level");
    const slider = make("input");
    slider.type = "range";
    slider.id = id;
    slider.min = "0";
    slider.max = "7";
    slider.step = "1";
    slider.setAttribute("aria-label", control.name);
    slider.setAttribute("aria-orientation", "vertical");
    slider.addEventListener("input", () => {
      this.answers.setLevel(page.category, slider.valueAsNumber);
      slider.setAttribute("aria-valuetext", control.words[slider.valueAsNumber]);
      this.changed();
    });
    // The labels from the top, level 7, down to level 0.
    const marks = make("div", "marks");
    marks.setAttribute("aria-hidden", "true");
    for (let level = 7; level >= 0; --level) {
      marks.append(make("span", "", control.labels[level]));
    }
    part.append(slider, marks);
    return [part, slider];
  }

  private drawText(control: TextControl, id: string): [HTMLElement, HTMLInputElement] {
    const part = make("div", "field");
    const label = make("label", "", control.label);
    label.htmlFor = id;
    const field = make("input");
    field.type = "text";
    field.id = id;
    field.autocomplete = "off";
    field.placeholder = control.hint;
    if (control.maxLength > 0) {
      field.maxLength = control.maxLength;
    }
    if (control.kind === "ageField") {
      field.inputMode = "numeric";
      // The field takes digits only, as the window's does.
      field.addEventListener("beforeinput", (event) => {
        if (event.data && /\D/.test(event.data)) {
          event.preventDefault();
        }
      });
      field.addEventListener("input", () => {
        if (this.answers.setAgeText(field.value)) {
          field.value = this.answers
            .page(this.category, 0, true)
            .controls.find((c): c is TextControl => c.kind === "ageField")!.text;
        }
        this.changed();
        this.drawPage(false);
      });
    } else {
      field.addEventListener("input", () => {
        this.answers.setCustomName(field.value);
        this.changed();
      });
    }
    part.append(label, field);
    return [part, field];
  }

  private update(page: Page): void {
    page.controls.forEach((control, i) => {
      const input = this.drawn[i]?.input;
      if (!input) {
        return;
      }
      this.drawn[i].control = control;
      input.disabled = !control.enabled;
      switch (control.kind) {
        case "list":
          (input as HTMLSelectElement).selectedIndex = control.selected;
          break;
        case "box":
          (input as HTMLInputElement).checked = control.checked;
          break;
        case "slider":
          (input as HTMLInputElement).value = String(control.level);
          input.setAttribute("aria-valuetext", control.words[control.level]);
          break;
        case "ageField":
        case "customName":
          if (input !== document.activeElement) {
            (input as HTMLInputElement).value = control.text;
          }
          break;
      }
    });
  }

  private listEntries(): number[] {
    return this.drawn
      .filter((d) => d.control.kind === "list")
      .map((d) => (d.input as HTMLSelectElement).selectedIndex);
  }

  private onChoose(page: Page, control: ListControl): void {
    if (page.kind === "work" && control.index === 1) {
      this.trainedField = this.listEntries()[1];
    }
    this.answers.choose(page.category, control.index, this.listEntries());
    this.changed();
    this.drawPage(false);
  }

  private onTick(page: Page, box: number, checked: boolean): void {
    if (page.kind === "age") {
      this.exactAge = checked;
    }
    this.answers.tick(page.category, box, checked, this.listEntries());
    this.changed();
    this.drawPage(false);
  }
}
