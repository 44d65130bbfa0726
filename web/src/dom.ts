// Small helpers for building the page. Every text goes in as text, never as markup.

export function byId<T extends HTMLElement = HTMLElement>(id: string): T {
  const element = document.getElementById(id);
  if (!element) {
    throw new Error(`the page has no element #${id}`);
  }
  return element as T;
}

export function make<K extends keyof HTMLElementTagNameMap>(
  tag: K,
  className?: string,
  text?: string,
): HTMLElementTagNameMap[K] {
  const element = document.createElement(tag);
  if (className) {
    element.className = className;
  }
  if (text !== undefined) {
    element.textContent = text;
  }
  return element;
}

// The core's texts break their lines with CR LF; the page shows them with white-space rules.
export function shown(text: string): string {
  return text.replace(/\r\n/g, "\n");
}

// Says `text` in a live region, also when it is the same text as before.
export function say(region: HTMLElement, text: string): void {
  region.textContent = "";
  if (text) {
    window.setTimeout(() => {
      region.textContent = text;
    }, 0);
  }
}
