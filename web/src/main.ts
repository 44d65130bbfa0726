// Starts the page: loads the module, takes the answers kept in the browser, and ties the
// questionnaire, the code line field, its buttons and the reader together.
import createBrindlex, { type Answers, type BrindlexModule } from "@module/brindlex.js";
import wasmUrl from "@module/brindlex.wasm?url";
import { byId, say } from "./dom";
import { Questionnaire } from "./questionnaire";
import { Reader } from "./reader";
import { AnswerStore } from "./store";

const kFileName = "brindlex.txt";
// Larger files are no saved code line; their first line is not looked for.
const kLargestFile = 16 * 1024 * 1024;

class CodeLine {
  private readonly field = byId<HTMLInputElement>("code-line");
  private readonly message = byId("line-message");
  private readonly fileInput = byId<HTMLInputElement>("open-file");
  private edited = false;

  constructor(
    module: BrindlexModule,
    private readonly answers: Answers,
    private readonly read: (line: string) => string,
    private readonly startOver: () => void,
  ) {
    byId("code-line-label").textContent = module.names().codeLine;
    this.field.addEventListener("input", () => {
      this.edited = true;
    });
    // Leaving the field, or Enter, reads what the user typed or pasted.
    this.field.addEventListener("change", () => this.commit());
    byId("copy").addEventListener("click", () => void this.copy(this.answers.line(), "Copied."));
    byId("share").addEventListener("click", () => this.copyLink(this.answers.line(), this.message));
    byId("download").addEventListener("click", () => this.download());
    byId("open").addEventListener("click", () => this.fileInput.click());
    this.fileInput.addEventListener("change", () => void this.openFile());
    byId("start-over").addEventListener("click", () => {
      if (window.confirm("Clear every answer and start over with an empty questionnaire?")) {
        this.startOver();
      }
    });
  }

  show(): void {
    this.field.value = this.answers.line();
    this.edited = false;
  }

  tell(text: string): void {
    say(this.message, text);
  }

  private commit(): void {
    if (!this.edited) {
      return;
    }
    const typed = this.field.value;
    const reason = this.read(typed);
    this.tell(reason ? `This code line was not read (${reason}); your answers are unchanged.` : "");
  }

  async copy(text: string, done: string, message: HTMLElement = this.message): Promise<void> {
    try {
      await navigator.clipboard.writeText(text);
      say(message, done);
    } catch {
      say(message, "The browser did not let Brindlex copy; select the line and copy it yourself.");
      this.field.select();
    }
  }

  copyLink(line: string, message: HTMLElement): void {
    const address = new URL(window.location.href);
    address.hash = encodeURIComponent(line);
    void this.copy(address.href, "Share link copied.", message);
  }

  private download(): void {
    const url = URL.createObjectURL(new Blob([this.answers.fileBytes()], { type: "text/plain" }));
    const link = document.createElement("a");
    link.href = url;
    link.download = kFileName;
    document.body.append(link);
    link.click();
    link.remove();
    window.setTimeout(() => URL.revokeObjectURL(url), 0);
  }

  private async openFile(): Promise<void> {
    const file = this.fileInput.files?.[0];
    this.fileInput.value = "";
    if (!file) {
      return;
    }
    if (file.size > kLargestFile) {
      this.tell(`${file.name} is too large for a saved code line; your answers are unchanged.`);
      return;
    }
    let bytes: Uint8Array;
    try {
      bytes = new Uint8Array(await file.arrayBuffer());
    } catch (error) {
      this.tell(`${file.name} could not be read (${String(error)}).`);
      return;
    }
    const reason = this.answers.open(bytes);
    this.changedFromOutside();
    this.tell(
      reason
        ? `The first line of ${file.name} is no code line that Brindlex can read (${reason}). ` +
            "Your answers are unchanged."
        : `Read ${file.name}.`,
    );
  }

  changedFromOutside: () => void = () => {};
}

// The text after "#" in the address: a code line to read.
function sharedText(): string | null {
  const fragment = window.location.hash.slice(1);
  if (!fragment) {
    return null;
  }
  try {
    return decodeURIComponent(fragment);
  } catch {
    return null;
  }
}

async function start(): Promise<void> {
  const notice = byId("notice");
  const module = await createBrindlex({
    locateFile: (path) => (path.endsWith(".wasm") ? wasmUrl : path),
  });
  const answers = new module.Answers();
  const store = new AnswerStore(answers, (text) => say(notice, text));
  store.load();

  let reader: Reader | null = null;
  // Every answer, line read or file opened: the line field, the store and the reader follow.
  const changed = (): void => {
    line.show();
    store.save();
    reader?.answersChanged();
  };
  const questionnaire = new Questionnaire(module, answers, changed);
  const readLine = (text: string): string => {
    const reason = answers.read(text);
    changed();
    questionnaire.refresh();
    return reason;
  };
  const line = new CodeLine(module, answers, readLine, () => {
    answers.clear();
    changed();
    questionnaire.refresh();
  });
  line.changedFromOutside = () => {
    changed();
    questionnaire.refresh();
  };
  reader = new Reader(
    module,
    answers,
    (code) => {
      readLine(code);
      line.tell("Your answers are now those of the code line read.");
    },
    (code, message) => line.copyLink(code, message),
  );

  const adult = byId<HTMLInputElement>("adult");
  adult.addEventListener("change", () => questionnaire.setAdult(adult.checked));
  questionnaire.setAdult(adult.checked);
  byId("open-reader").addEventListener("click", () => reader?.open());

  const openShared = (): void => {
    const text = sharedText();
    if (text !== null) {
      reader?.open(text);
    } else if (window.location.hash.length > 1) {
      say(notice, "The code line in this link cannot be read: it is not percent-encoded text.");
    }
  };
  window.addEventListener("hashchange", openShared);

  line.show();
  byId("questionnaire").setAttribute("aria-busy", "false");
  document.documentElement.dataset.ready = "true";
  performance.mark("brindlex-answerable");
  openShared();

  if (import.meta.env.PROD && "serviceWorker" in navigator) {
    navigator.serviceWorker.register("./sw.js").catch(() => {
      // Without it the page works as well, only not offline.
    });
  }
}

start().catch((error: unknown) => {
  byId("notice").textContent = `Brindlex could not start in this browser: ${String(error)}`;
});
