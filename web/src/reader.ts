// "Read a Code Line": the code lines found in a pasted post, the chosen one's answers beside
// the user's own with the differences marked, and its repairs, listed and marked in the text.
import type { Answers, BrindlexModule, LineReading } from "@module/brindlex.js";
import { byId, make, say } from "./dom";

export class Reader {
  private readonly dialog = byId<HTMLDialogElement>("reader");
  private readonly input = byId<HTMLTextAreaElement>("reader-input");
  private readonly lines = byId<HTMLSelectElement>("reader-lines");
  private readonly summary = byId("reader-summary");
  private readonly only = byId<HTMLInputElement>("reader-only");
  private readonly table = byId<HTMLTableElement>("reader-table");
  private readonly repairs = byId<HTMLUListElement>("reader-repairs");
  private readonly marked = byId("reader-marked");
  private readonly use = byId<HTMLButtonElement>("reader-use");
  private readonly share = byId<HTMLButtonElement>("reader-share");
  private reading: LineReading | null = null;
  private opener: HTMLElement | null = null;

  constructor(
    private readonly module: BrindlexModule,
    private readonly yours: Answers,
    private readonly useLine: (line: string) => void,
    private readonly copyLink: (line: string, message: HTMLElement) => void,
  ) {
    this.input.addEventListener("input", () => this.find());
    this.lines.addEventListener("change", () => this.show());
    this.only.addEventListener("change", () => this.drawRows());
    this.use.addEventListener("click", () => this.onUse());
    this.share.addEventListener("click", () => {
      if (this.reading) {
        this.copyLink(this.reading.code, this.summary);
      }
    });
    byId("reader-close").addEventListener("click", () => this.dialog.close());
    this.dialog.addEventListener("close", () => this.opener?.focus());
    this.find();
  }

  // Opens the reader, on `text` when it is given.
  open(text?: string): void {
    if (text !== undefined) {
      this.input.value = text;
      this.find();
    }
    if (!this.dialog.open) {
      this.opener = document.activeElement instanceof HTMLElement ? document.activeElement : null;
      this.dialog.showModal();
    }
    this.input.focus();
  }

  // The user's own answers changed: tell them again beside the line's.
  answersChanged(): void {
    if (this.reading) {
      this.show();
    }
  }

  private find(): void {
    const chosen = this.lines.selectedIndex;
    const found = this.module.findLines(this.input.value);
    this.lines.replaceChildren(
      ...found.map((line) => make("option", "", `line ${line.lineNumber}: ${line.code}`)),
    );
    if (found.length > 0) {
      this.lines.selectedIndex = chosen >= 0 && chosen < found.length ? chosen : 0;
    }
    this.show();
  }

  private show(): void {
    const index = this.lines.selectedIndex;
    this.reading = index >= 0 ? this.module.readLine(this.input.value, index, this.yours) : null;
    this.use.disabled = this.reading === null;
    this.share.disabled = this.reading === null;
    this.drawRows();
    this.drawRepairs();
    const reading = this.reading;
    if (!reading) {
      say(
        this.summary,
        this.input.value.trim() === ""
          ? ""
          : 'No code line found: a code line begins with "2.0F" and a family code.',
      );
      return;
    }
    say(
      this.summary,
      `${reading.differing} ${reading.differing === 1 ? "answer differs" : "answers differ"} ` +
        `from yours, ${reading.same} the same.`,
    );
  }

  private drawRows(): void {
    const rows = (this.reading?.rows ?? []).filter((row) => row.differs || !this.only.checked);
    this.table.tBodies[0].replaceChildren(
      ...rows.map((row) => {
        const tr = make("tr", row.differs ? "differs" : "");
        const mark = make("td", "mark");
        if (row.differs) {
          mark.append(make("span", "", "\u2260"), make("span", "hidden", "differs"));
          mark.firstElementChild?.setAttribute("aria-hidden", "true");
        }
        tr.append(
          mark,
          make("th", "", row.caption),
          make("td", "", row.theirs),
          make("td", "", row.yours),
          make("td", "code", row.code),
        );
        tr.children[1].setAttribute("scope", "row");
        return tr;
      }),
    );
  }

  private drawRepairs(): void {
    const repairs = this.reading?.repairs ?? [];
    const text = this.input.value;
    if (!this.reading) {
      this.repairs.replaceChildren();
    } else if (repairs.length === 0) {
      this.repairs.replaceChildren(make("li", "", "None: the line reads as it is written."));
    } else {
      this.repairs.replaceChildren(
        ...repairs.map((repair) => {
          const button = make("button", "repair", repair.text);
          button.type = "button";
          // Shows the repaired piece in the pasted text.
          button.addEventListener("click", () => {
            this.input.focus();
            this.input.setSelectionRange(repair.from, repair.to);
          });
          const item = make("li");
          item.append(button);
          return item;
        }),
      );
    }
    // The pasted text with every repair of the chosen line marked, as text nodes.
    const parts: Node[] = [];
    let at = 0;
    for (const repair of [...repairs].sort((a, b) => a.from - b.from)) {
      const from = Math.max(repair.from, at);
      parts.push(document.createTextNode(text.slice(at, from)));
      const mark = make("mark", "", text.slice(from, Math.max(from, repair.to)) || " ");
      mark.title = repair.text;
      parts.push(mark);
      at = Math.max(from, repair.to);
    }
    parts.push(document.createTextNode(text.slice(at)));
    this.marked.replaceChildren(...parts);
    this.marked.hidden = repairs.length === 0;
  }

  private onUse(): void {
    const reading = this.reading;
    const index = this.lines.selectedIndex;
    if (!reading || index < 0) {
      return;
    }
    const lineNumber = this.module.findLines(this.input.value)[index]?.lineNumber ?? index + 1;
    const sure = window.confirm(
      `Replace all your answers with the answers of the code line on line ${lineNumber}?\n\n` +
        reading.code,
    );
    if (sure) {
      this.useLine(reading.code);
    }
  }
}
