// The site served as a plain static host serves it: each file with its type, its length and
// when it last changed (so that browsers may keep it), with the headers the site's _headers
// file asks for, and a 404 for anything else. Every request is recorded, every report of a
// breach of the site's policy too, and the server can be stopped and started again on the
// same port.
import { existsSync, readdirSync, readFileSync, statSync } from "node:fs";
import { createServer } from "node:http";
import { extname, join } from "node:path";

const TYPES = { ".html": "text/html; charset=utf-8", ".js": "text/javascript", ".css": "text/css",
  ".wasm": "application/wasm", ".png": "image/png", ".webmanifest": "application/manifest+json" };
const HEADERS_FILE = "_headers";
const REPORTS = "/policy-violations";

// The headers the site asks for each path: a line with a path pattern (`*` for any run of
// characters), then its headers indented below it.
function headersFor(dir, path) {
  const file = join(dir, HEADERS_FILE);
  if (!existsSync(file)) return {};
  const headers = {};
  let applies = false;
  for (const line of readFileSync(file, "utf8").split("\n")) {
    if (!line.trim() || line.startsWith("#")) continue;
    if (!/^\s/.test(line)) {
      const pattern = line.trim().replace(/[.+?^${}()|[\]\\]/g, "\\$&").replaceAll("*", ".*");
      applies = new RegExp(`^${pattern}$`).test(path);
    } else if (applies) {
      const [name, ...value] = line.trim().split(":");
      headers[name] = value.join(":").trim();
    }
  }
  // Where the browser says what the policy refused: here, to the test.
  if (headers["Content-Security-Policy"]) headers["Content-Security-Policy"] += `; report-uri ${REPORTS}`;
  return headers;
}

// `respond(path, read)` may answer a request in place of the site (a broken deploy):
// { status, type, body }, or nothing to leave it to the site.
export async function serveSite(dir, respond = () => null) {
  const site = { dir, origin: "", requests: [], violations: [] };
  const server = createServer((request, response) => {
    if (request.url === REPORTS) {
      const parts = [];
      request.on("data", (part) => parts.push(part));
      request.on("end", () => {
        const report = JSON.parse(Buffer.concat(parts).toString())["csp-report"] ?? {};
        site.violations.push(`${report["effective-directive"] ?? report["violated-directive"]}: ${report["blocked-uri"]}`);
        response.writeHead(204).end();
      });
      return;
    }
    const path = new URL(request.url, "http://x").pathname.replace(/\/$/, "/index.html");
    const file = join(site.dir, path);
    const headers = headersFor(site.dir, path);
    const read = () => readFileSync(file, "utf8");
    const instead = respond(path, read);
    if (instead) {
      const body = Buffer.from(instead.body);
      site.requests.push({ url: request.url, bytes: body.length });
      response.writeHead(instead.status ?? 200, { ...headers, "Content-Type": instead.type ?? TYPES[extname(path)] });
      response.end(body);
      return;
    }
    if (!file.startsWith(site.dir) || path === `/${HEADERS_FILE}` || !existsSync(file)) {
      site.requests.push({ url: request.url, bytes: 0 });
      response.writeHead(404).end();
      return;
    }
    const changed = statSync(file).mtime;
    changed.setMilliseconds(0);
    const since = Date.parse(request.headers["if-modified-since"] ?? "");
    if (since >= changed.getTime()) {
      site.requests.push({ url: request.url, bytes: 0 });
      response.writeHead(304, headers).end();
      return;
    }
    const body = readFileSync(file);
    site.requests.push({ url: request.url, bytes: body.length });
    response.writeHead(200, { "Content-Type": TYPES[extname(file)] ?? "application/octet-stream",
      ...headers, "Content-Length": body.length, "Last-Modified": changed.toUTCString() });
    response.end(body);
  });
  const listen = (port) => new Promise((resolve) => server.listen(port, "127.0.0.1", resolve));
  await listen(0);
  const port = server.address().port;
  site.origin = `http://127.0.0.1:${port}`;
  site.stop = () => new Promise((resolve) => { server.close(resolve); server.closeAllConnections(); });
  site.start = () => listen(port);
  return site;
}

// The bytes of the whole site, as a release puts it on a server.
export const siteSize = (dir) => readdirSync(dir).reduce((sum, name) => sum + statSync(join(dir, name)).size, 0);
