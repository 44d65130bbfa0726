// What the module built from web/module/binding.cpp exports. Kept by hand beside the
// binding: a change to one is a change to the other.

declare module "@module/brindlex.js" {
  export type PageKind =
    | "error"
    | "species"
    | "traits"
    | "level"
    | "preference"
    | "age"
    | "work"
    | "kinkSwitch"
    | "kink";

  interface ControlBase {
    /** Counts the controls of the same kind on the page, in page order. */
    index: number;
    /** The question the control asks, its accessible name. */
    name: string;
    /** The text shown beside it; the name where nothing else is shown. */
    label: string;
    enabled: boolean;
  }
  export interface ListControl extends ControlBase {
    kind: "list";
    entries: string[];
    /** The chosen entry, -1 for none. */
    selected: number;
  }
  export interface BoxControl extends ControlBase {
    kind: "box";
    checked: boolean;
  }
  export interface SliderControl extends ControlBase {
    kind: "slider";
    /** 0 (no answer) .. 7. */
    level: number;
    /** The value text of each level 0..7. */
    words: string[];
    /** The label shown beside each level 0..7, empty for none. */
    labels: string[];
  }
  export interface TextControl extends ControlBase {
    kind: "ageField" | "customName";
    text: string;
    /** Shown in an empty field. */
    hint: string;
    /** 0 for any length. */
    maxLength: number;
  }
  export type Control = ListControl | BoxControl | SliderControl | TextControl;

  export interface Page {
    /** -1 for the page of no category. */
    category: number;
    kind: PageKind;
    caption: string;
    help: string;
    controls: Control[];
  }

  export interface Answers {
    /** The code line of the answers. */
    line(): string;
    /**
     * The page of a category. What the record does not keep comes from the page: the trained
     * field that the work page shows, and whether "Specify Actual Age" is ticked with no age.
     */
    page(category: number, trainedField: number, exactAge: boolean): Page;
    /** The entries of the page's lists, in page order, after the user chose in list `list`. */
    choose(category: number, list: number, entries: number[]): void;
    tick(category: number, box: number, checked: boolean, entries: number[]): void;
    setLevel(category: number, level: number): void;
    /** True when the text was above 120 and the field is to show "120". */
    setAgeText(text: string): boolean;
    setCustomName(name: string): void;
    /** Reads a code line: "" when it replaced the answers, else why it was refused. */
    read(line: string): string;
    /** Reads the first line of a file's bytes, as read() does. */
    open(bytes: Uint8Array): string;
    /** The code line and one 0x00 byte, as the window saves it. */
    fileBytes(): Uint8Array<ArrayBuffer>;
    toJson(): string;
    /** Takes a stored record: "" when it was read, else why not, the answers unchanged. */
    fromJson(text: string): string;
    clear(): void;
    delete(): void;
  }

  export interface Tab {
    name: string;
    first: number;
    count: number;
  }
  export interface Names {
    tabs: string;
    categories: string;
    help: string;
    codeLine: string;
  }
  export interface CategoryInfo {
    caption: string;
    tab: number;
    kind: PageKind;
    /** The record's fields, "" for none. */
    field: string;
    level: string;
    extra: string;
  }
  export interface FoundLine {
    lineNumber: number;
    code: string;
  }
  export interface ReaderRow {
    category: number;
    caption: string;
    theirs: string;
    yours: string;
    code: string;
    differs: boolean;
  }
  export interface Repair {
    text: string;
    /** The run of the pasted text, in UTF-16 code units. */
    from: number;
    to: number;
  }
  export interface LineReading {
    code: string;
    rows: ReaderRow[];
    differing: number;
    same: number;
    repairs: Repair[];
  }

  export interface BrindlexModule {
    Answers: { new (): Answers };
    tabs(): Tab[];
    names(): Names;
    category(category: number): CategoryInfo;
    rejectionReason(line: string): string;
    findLines(text: string): FoundLine[];
    /** Line `index` of findLines(text) against `yours`; null when there is none. */
    readLine(text: string, index: number, yours: Answers): LineReading | null;
  }

  export default function createBrindlex(options?: {
    locateFile?: (path: string, prefix: string) => string;
  }): Promise<BrindlexModule>;
}

declare module "@module/brindlex.wasm?url" {
  const url: string;
  export default url;
}
