// SPDX-License-Identifier: MIT
// The site folder as a web app, served from 127.0.0.1 by a server each test starts: installable by
// Chromium's own check, working offline after one visit, replaced by a new build; and the single
// file, from file://, with no worker and no error.
//
// ZIREV1_SITE: the built site folder; ZIREV1_MAKE_SITE: how the build makes it (make_site.json);
// ZIREV1_PAGE, ZIREV1_FORM and ZIREV1_CALC as form_page.mjs reads them.

import { execFileSync } from 'node:child_process';
import { createHash } from 'node:crypto';
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { readFile } from 'node:fs/promises';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import { extname, join, normalize, sep } from 'node:path';
import { pathToFileURL } from 'node:url';
import { expect, test } from '@playwright/test';
import { FORM, RESULTS_345, calculateSides, resultLabel } from './form_page.mjs';

const SITE = process.env.ZIREV1_SITE;
const PAGE = process.env.ZIREV1_PAGE;
const TYPES = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.png': 'image/png',
  '.webmanifest': 'application/manifest+json',
};

// Serves the folder's files, and nothing outside it, as a static host does; answered keeps each
// request's path and status.
async function serve(root) {
  const answered = [];
  const server = createServer(async (request, response) => {
    response.on('finish', () => answered.push([request.url, response.statusCode]));
    let path = decodeURIComponent(new URL(request.url, 'http://host').pathname);
    if (path.endsWith('/')) path += 'index.html';
    const file = normalize(join(root, path));
    try {
      if (!file.startsWith(root + sep)) throw new Error('outside the site');
      const body = await readFile(file);
      response.writeHead(200, { 'Content-Type': TYPES[extname(file)] ?? 'application/octet-stream',
        'Cache-Control': 'no-cache' });
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return {
    url: `http://127.0.0.1:${server.address().port}/`,
    answered,
    close: () => new Promise((resolve) => {
      server.closeAllConnections();
      server.close(resolve);
    }),
  };
}

// The cache a build's worker keeps, named by the version the build wrote into it.
function cacheOf(site) {
  const worker = readFileSync(join(site, 'sw.js'), 'utf8');
  return `zirev1-${worker.match(/`\$\{PREFIX\}([0-9a-f]+)`/)[1]}`;
}

const sha256 = (bytes) => createHash('sha256').update(bytes).digest('hex');

// Makes the site again into a folder, as the build does, from another icon.
function makeSite(folder, icon) {
  const { python, script, inputs, options } = JSON.parse(readFileSync(process.env.ZIREV1_MAKE_SITE,
    'utf8'));
  execFileSync(python, [script, '--site', ...inputs.slice(0, -1), icon, folder, ...options]);
}

async function ready(page) {
  await expect(page.locator('html')).toHaveAttribute('data-ready', 'true');
}

// Until the site's worker is active and controls the page.
async function controlled(page) {
  await page.evaluate(async () => {
    await navigator.serviceWorker.ready;
    if (navigator.serviceWorker.controller === null) {
      await new Promise((resolve) =>
        navigator.serviceWorker.addEventListener('controllerchange', resolve, { once: true }));
    }
  });
}

function pngSize(file) {
  const png = readFileSync(join(SITE, file));
  return `${png.readUInt32BE(16)}x${png.readUInt32BE(20)}`;
}

test.describe('the site', () => {
  let site;
  test.beforeEach(async () => { site = await serve(SITE); });
  test.afterEach(async () => site.close());

  test('the manifest has the form\'s colours and icons of the sizes it states', () => {
    const manifest = JSON.parse(readFileSync(join(SITE, 'manifest.webmanifest'), 'utf8'));
    expect(manifest).toMatchObject({ start_url: './', scope: './', display: 'standalone',
      theme_color: FORM.controls.find((c) => c.role === 'heading').colour,
      background_color: FORM.background });
    expect(manifest.name).toBeTruthy();
    expect(manifest.short_name).toBeTruthy();
    for (const icon of manifest.icons) expect(pngSize(icon.src)).toBe(icon.sizes);
    const sizes = (purpose) => manifest.icons.filter((icon) => icon.purpose === purpose)
      .map((icon) => icon.sizes);
    expect(sizes('any')).toEqual(expect.arrayContaining(['192x192', '512x512']));
    expect(sizes('maskable').length).toBeGreaterThan(0);
    const index = readFileSync(join(SITE, 'index.html'), 'utf8');
    const apple = index.match(/<link rel="apple-touch-icon" href="([^"]+)">/);
    expect(pngSize(apple[1])).toBe('180x180');
  });

  test('the page is the single file\'s, which registers no worker', () => {
    const index = readFileSync(join(SITE, 'index.html'), 'utf8');
    const single = readFileSync(PAGE, 'utf8');
    // From the module to the fault box: the script, the style and the form.
    const form = (html) => html.slice(html.indexOf('<script type="module">'),
      html.indexOf('</dialog>'));
    expect(form(single).length).toBeGreaterThan(100_000);
    expect(form(index)).toBe(form(single));
    expect(single).not.toContain('serviceWorker');
    expect(single).not.toContain('rel="manifest"');
  });

  test('Chromium finds it installable', async ({ playwright, launchOptions }) => {
    // An incognito profile, as a plain context is, never installs an app.
    const profile = mkdtempSync(join(tmpdir(), 'zirev1-profile-'));
    const context = await playwright.chromium.launchPersistentContext(profile,
      { ...launchOptions, locale: 'en-US' });
    try {
      const page = context.pages()[0] ?? await context.newPage();
      await page.goto(site.url);
      await ready(page);
      await controlled(page);
      const session = await context.newCDPSession(page);
      const { errors } = await session.send('Page.getAppManifest');
      expect(errors).toEqual([]);
      const { installabilityErrors } = await session.send('Page.getInstallabilityErrors');
      expect(installabilityErrors).toEqual([]);
    } finally {
      await context.close();
      rmSync(profile, { recursive: true, force: true });
    }
  });

  test('after one visit it opens and calculates offline, whatever the query and the fragment',
    async ({ context, page }) => {
      await page.goto(site.url);
      await ready(page);
      await controlled(page);
      expect(await page.evaluate(() => caches.keys())).toEqual([cacheOf(SITE)]);
      await site.close();
      await context.setOffline(true);

      await page.reload();
      await ready(page);
      expect(await calculateSides(page, '3', '4', '5')).toEqual(RESULTS_345);
      await page.goto(`${site.url}index.html?from=home#a=3&b=4&c=5`);
      await ready(page);
      await expect(resultLabel(page, 0)).toHaveText(RESULTS_345[0]);
      // What the installed app shows besides the page.
      const manifest = JSON.parse(readFileSync(join(SITE, 'manifest.webmanifest'), 'utf8'));
      const files = ['manifest.webmanifest', ...manifest.icons.map((icon) => icon.src),
        await page.locator('link[rel="apple-touch-icon"]').getAttribute('href')];
      const statuses = await page.evaluate((names) =>
        Promise.all(names.map(async (name) => (await fetch(name)).status)), files);
      expect(statuses).toEqual(files.map(() => 200));
    });

  test('a new build replaces the cached page and deletes the old cache', async ({ context, page }) => {
    const copy = mkdtempSync(join(tmpdir(), 'zirev1-site-'));
    cpSync(SITE, copy, { recursive: true });
    const copied = await serve(copy);
    try {
      await page.goto(copied.url);
      await ready(page);
      await controlled(page);
      const index = readFileSync(join(copy, 'index.html'), 'utf8');
      const old = cacheOf(copy);
      expect(await page.evaluate(() => caches.keys())).toEqual([old]);

      // As the build writes it: a changed page, and a new version in the worker.
      const rebuilt = index.replace('</head>', '<meta name="build" content="rebuilt">\n</head>');
      const worker = readFileSync(join(copy, 'sw.js'), 'utf8');
      const version = old.slice('zirev1-'.length);
      expect(worker.split(version).length).toBe(2);
      const next = [...version].reverse().join('');
      writeFileSync(join(copy, 'index.html'), rebuilt);
      writeFileSync(join(copy, 'sw.js'), worker.replace(version, next));

      await page.evaluate(async () => (await navigator.serviceWorker.getRegistration()).update());
      await expect.poll(() => page.evaluate(() => caches.keys())).toEqual([`zirev1-${next}`]);
      await copied.close();
      await context.setOffline(true);
      await page.reload();
      await ready(page);
      await expect(page.locator('meta[name="build"]')).toHaveAttribute('content', 'rebuilt');
    } finally {
      await copied.close();
      rmSync(copy, { recursive: true, force: true });
    }
  });
  // Only an icon changes: the installed app, which the worker serves, shows the new one.
  test('a new build with only a new icon reaches the installed app', async ({ context, page }) => {
    const copy = mkdtempSync(join(tmpdir(), 'zirev1-site-'));
    const icon = join(copy, 'new-icon.svg');
    cpSync(SITE, copy, { recursive: true });
    const copied = await serve(copy);
    // The launcher icon as the app gets it, by its hash.
    const shown = () => page.evaluate(async () => {
      const bytes = await (await fetch('icon-192.png')).arrayBuffer();
      return [...new Uint8Array(await crypto.subtle.digest('SHA-256', bytes))]
        .map((byte) => byte.toString(16).padStart(2, '0')).join('');
    });
    const built = (folder) => sha256(readFileSync(join(folder, 'icon-192.png')));
    try {
      await page.goto(copied.url);
      await ready(page);
      await controlled(page);
      expect(await shown()).toBe(built(SITE));

      writeFileSync(icon, '<svg xmlns="http://www.w3.org/2000/svg" width="128" height="128">' +
        '<circle cx="64" cy="64" r="60" fill="#c00000"/></svg>\n');
      makeSite(copy, icon);
      const drawn = built(copy);
      expect(drawn).not.toBe(built(SITE));
      expect(readFileSync(join(copy, 'index.html'), 'utf8'))
        .toBe(readFileSync(join(SITE, 'index.html'), 'utf8'));

      await page.evaluate(async () => (await navigator.serviceWorker.getRegistration()).update());
      await expect.poll(() => page.evaluate(() => caches.keys())).toEqual([cacheOf(copy)]);
      await copied.close();
      await context.setOffline(true);
      await page.reload();
      await ready(page);
      expect(await shown()).toBe(drawn);
    } finally {
      await copied.close();
      rmSync(copy, { recursive: true, force: true });
    }
  });

  // Without an icon of its own the browser asks for /favicon.ico on every load, offline too.
  test('no request fails, the tab\'s icon included, online and offline', async ({ context, page }) => {
    const failed = [];
    context.on('requestfailed', (request) => failed.push(request.url()));
    context.on('response', (response) => {
      if (response.status() >= 400) failed.push(`${response.status()} ${response.url()}`);
    });
    await page.goto(site.url);
    await ready(page);
    await controlled(page);
    await page.reload();
    await ready(page);
    await page.waitForFunction(() => document.readyState === 'complete');
    await expect.poll(() => site.answered.filter(([path]) => path.endsWith('.png')).length)
      .toBeGreaterThan(0);
    expect(site.answered.filter(([, status]) => status >= 400)).toEqual([]);
    await site.close();
    await context.setOffline(true);
    await page.reload();
    await ready(page);
    await page.waitForFunction(() => document.readyState === 'complete');
    expect(await page.locator('link[rel="icon"]').count()).toBe(1);
    expect(failed).toEqual([]);
  });
});

for (const [what, file] of [['the single file', () => PAGE],
  ['the site\'s page', () => join(SITE, 'index.html')]]) {
  test(`${what} from file:// works with no worker and no error`, async ({ context, page }) => {
    const problems = [];
    page.on('console', (message) => {
      if (message.type() === 'error') problems.push(message.text());
    });
    page.on('pageerror', (error) => problems.push(error.message));
    await page.goto(`${pathToFileURL(file()).href}#a=3&b=4&c=5`);
    await ready(page);
    await page.waitForFunction(() => document.readyState === 'complete');
    await expect(resultLabel(page, 0)).toHaveText(RESULTS_345[0]);
    expect(context.serviceWorkers()).toEqual([]);
    expect(problems).toEqual([]);
  });
}
