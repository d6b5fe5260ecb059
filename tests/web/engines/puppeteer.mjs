// Chromium (over the DevTools protocol) and Firefox (over WebDriver BiDi), both driven by
// puppeteer-core: its clicks and keys are the browser's own trusted input.
import puppeteer from "puppeteer-core";

const LAUNCH = {
  chromium: {
    browser: "chrome",
    executablePath: "/usr/bin/chromium",
    args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
      "--disable-background-networking", "--disable-component-update", "--disable-sync",
      "--allow-file-access-from-files"],
  },
  firefox: { browser: "firefox", executablePath: "/usr/bin/firefox-esr" },
};

// What the page's policy refused, from the page's first script on.
function recordViolations() {
  window.policyViolations = [];
  document.addEventListener("securitypolicyviolation", (event) =>
    window.policyViolations.push(`violation: ${event.effectiveDirective}: ${event.blockedURI}`));
}

export async function launch(name) {
  const browser = await puppeteer.launch(LAUNCH[name]);
  const cdp = name === "chromium";
  return {
    name,
    narrowest: 0,
    workersShareTheHttpCache: true,
    scriptsCanBeTurnedOff: cdp,
    close: () => browser.close(),
    async open(url, viewport = { width: 1024, height: 768 }, { scripts = true } = {}) {
      const page = await browser.newPage();
      await page.setViewport(viewport);
      if (!scripts) await page.setJavaScriptEnabled(false);
      const problems = [];
      page.on("console", (message) => { if (message.type() === "error") problems.push(`console: ${message.text()}`); });
      page.on("pageerror", (error) => problems.push(`error: ${error.message}`));
      page.on("requestfailed", (request) => problems.push(`failed: ${request.url()}`));
      await page.evaluateOnNewDocument(recordViolations);
      await page.goto(url);
      return {
        click: (selector) => page.click(selector),
        async press(...keys) {
          for (const key of keys) {
            const [modifier, main] = key.includes("+") ? key.split("+") : [null, key];
            if (modifier) await page.keyboard.down(modifier);
            await page.keyboard.press(main === "Space" ? " " : main);
            if (modifier) await page.keyboard.up(modifier);
          }
        },
        evaluate: (fn, ...args) => page.evaluate(fn, ...args),
        waitFor: (fn, ...args) => page.waitForFunction(fn, { timeout: 20000 }, ...args),
        reload: () => page.reload(),
        // Run as the driver's own code: the page's policy lets no script of the test in.
        addScript: (source) => page.evaluate(source),
        // What a screen reader is told of an element, where the driver can read it.
        async accessible(selector) {
          if (!cdp) return null;
          const node = await page.accessibility.snapshot({ root: await page.$(selector), interestingOnly: false });
          return { role: node?.role, name: node?.name, description: node?.description };
        },
        // A contrast theme, as Windows users with one have it; false where it cannot be had.
        async forceColors() {
          if (!cdp) return false;
          const session = await page.createCDPSession();
          await session.send("Emulation.setEmulatedMedia", { features: [{ name: "forced-colors", value: "active" }] });
          return true;
        },
        problems: async () => [...problems, ...(await page.evaluate(() => window.policyViolations ?? []))],
        close: () => page.close(),
      };
    },
  };
}
