// The answers kept in the browser between visits, as the record's JSON form. A stored value
// that cannot be read back is kept aside under its own key, and the page starts empty.
import type { Answers } from "@module/brindlex.js";

export const kAnswersKey = "brindlex.answers";
export const kUnreadableKey = "brindlex.answers.unreadable";

export class AnswerStore {
  private stored: string | null = null;
  private failureSaid = false;

  constructor(
    private readonly answers: Answers,
    private readonly tell: (text: string) => void,
  ) {}

  // Takes the stored answers, if any.
  load(): void {
    let text: string | null;
    try {
      text = window.localStorage.getItem(kAnswersKey);
    } catch (error) {
      this.fail(error);
      return;
    }
    if (text === null) {
      return;
    }
    const reason = this.answers.fromJson(text);
    if (!reason) {
      this.stored = text;
      return;
    }
    this.answers.clear();
    let kept = false;
    try {
      window.localStorage.setItem(kUnreadableKey, text);
      window.localStorage.removeItem(kAnswersKey);
      kept = true;
    } catch {
      // Said below: the value stays where it was.
    }
    this.tell(
      `Your answers from the last visit could not be read back (${reason}), so Brindlex ` +
        "starts with empty answers." +
        (kept ? ` The stored text is kept in this browser under "${kUnreadableKey}".` : ""),
    );
  }

  // Keeps the answers as they are now.
  save(): void {
    const text = this.answers.toJson();
    if (text === this.stored) {
      return;
    }
    try {
      window.localStorage.setItem(kAnswersKey, text);
      this.stored = text;
    } catch (error) {
      this.fail(error);
    }
  }

  private fail(error: unknown): void {
    if (this.failureSaid) {
      return;
    }
    this.failureSaid = true;
    const reason = error instanceof Error ? error.message : String(error);
    this.tell(
      `Your answers cannot be kept in this browser for the next visit (${reason}). ` +
        'Brindlex goes on working; use "Download" to keep your code line.',
    );
  }
}
