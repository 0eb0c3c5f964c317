// The web build served on a free port and played in Debian's headless Chromium over the DevTools
// protocol: what the browser test and the figures share. The browser gets a fresh profile (so
// the player's folder in IndexedDB starts empty) and a scratch HOME, both removed on Close.
import { existsSync } from 'node:fs';
import { mkdtemp, rm } from 'node:fs/promises';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { Serve } from '../../Tools/Web/serve.mjs';

// The pinned modules are installed out of the source tree (run.sh): NODE_PATH finds them.
const require = createRequire(import.meta.url);
const puppeteer = require('puppeteer-core');

export const ks_Chromium = '/usr/bin/chromium';
export const kas_BuildFiles = ['index.html', 'fudemaru.js', 'fudemaru.wasm', 'fudemaru.data'];

// The pad's buttons on the page's keyboard.
export const ko_Keys = {
	Left: 'ArrowLeft', Right: 'ArrowRight', Up: 'ArrowUp', Down: 'ArrowDown',
	Cross: 'd', Circle: 'f', Triangle: 's', Square: 'a',
};

const kas_Flags = [
	'--headless=new', '--no-sandbox', '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
	'--no-first-run', '--disable-background-networking', '--disable-component-update', '--disable-sync',
	'--disable-quic',
];

export class Failure extends Error {}

export const Sleep = (ai_Ms) => new Promise((af_Resolve) => setTimeout(af_Resolve, ai_Ms));

// A missing or partial build is a failure with its cure, not a skip: `make test` builds it first.
export function CheckBuild(as_Folder) {
	const as_Missing = kas_BuildFiles.filter((s_File) => !existsSync(join(as_Folder, s_File)));
	if (as_Missing.length)
		throw new Failure(`no web build in ${as_Folder} (missing ${as_Missing.join(', ')}): make web builds it`);
	if (!existsSync(ks_Chromium))
		throw new Failure(`no ${ks_Chromium}: Tools/setup.sh web installs it`);
}

export class WebGame {
	// Serves as_Folder and opens a browser on a blank page; Open() loads the game.
	static async Start(as_Folder) {
		CheckBuild(as_Folder);
		const o_Game = new WebGame();
		o_Game.ms_Scratch = await mkdtemp(join(tmpdir(), 'fudemaru-web-'));
		o_Game.mo_Server = await Serve(as_Folder, 0);
		o_Game.ms_Url = `http://127.0.0.1:${o_Game.mo_Server.address().port}/`;
		const s_Home = join(o_Game.ms_Scratch, 'home');
		o_Game.mo_Browser = await puppeteer.launch({
			executablePath: ks_Chromium,
			headless: true,
			args: kas_Flags,
			userDataDir: join(o_Game.ms_Scratch, 'profile'),
			env: { ...process.env, HOME: s_Home, XDG_CONFIG_HOME: join(s_Home, 'config'), XDG_CACHE_HOME: join(s_Home, 'cache'),
				XDG_DATA_HOME: join(s_Home, 'data') },
			defaultViewport: { width: 480, height: 800, deviceScaleFactor: 1 },
			protocolTimeout: 60000,
		});
		o_Game.mo_Page = await o_Game.mo_Browser.newPage();
		o_Game.Watch();
		return o_Game;
	}

	// Everything the page says, and whatever goes wrong in it, is kept.
	Watch() {
		this.mas_Errors = [];
		this.mas_Stacks = [];
		this.mb_FirstFrame = false;
		const o_Page = this.mo_Page;
		o_Page.on('console', (o_Message) => {
			const s_Text = o_Message.text();
			if (o_Message.type() === 'error' || o_Message.type() === 'assert')
				this.mas_Errors.push(`console ${o_Message.type()}: ${s_Text}`);
			else if (s_Text.startsWith('stack: '))
				this.mas_Stacks.push(s_Text.slice(7));
			else if (s_Text === 'fudemaru: first frame')
				this.mb_FirstFrame = true;
		});
		o_Page.on('pageerror', (o_Error) => this.mas_Errors.push(`uncaught: ${o_Error.message}`));
		o_Page.on('requestfailed', (o_Request) =>
			this.mas_Errors.push(`request failed: ${o_Request.url()} (${o_Request.failure()?.errorText})`));
		o_Page.on('response', (o_Response) => {
			if (o_Response.status() >= 400)
				this.mas_Errors.push(`HTTP ${o_Response.status()}: ${o_Response.url()}`);
		});
		o_Page.on('error', (o_Error) => this.mas_Errors.push(`page crashed: ${o_Error.message}`));
	}

	// Loads (or reloads) the game and waits for its first frame.
	async Open(ab_Reload = false, ai_Timeout = 60000) {
		this.mas_Stacks = [];
		this.mb_FirstFrame = false;
		if (ab_Reload)
			await this.mo_Page.reload({ waitUntil: 'load', timeout: ai_Timeout });
		else
			await this.mo_Page.goto(this.ms_Url, { waitUntil: 'load', timeout: ai_Timeout });
		await this.Until(() => this.mb_FirstFrame, ai_Timeout, "no 'fudemaru: first frame' on the console");
	}

	async Until(af_Test, ai_Timeout, as_What) {
		const i_End = Date.now() + ai_Timeout;
		while (!af_Test()) {
			if (Date.now() > i_End)
				throw new Failure(`${as_What} within ${ai_Timeout / 1000} s`);
			await Sleep(20);
		}
	}

	Stack() {
		return this.mas_Stacks.length ? this.mas_Stacks[this.mas_Stacks.length - 1] : '';
	}

	async WaitStack(as_Stack, ai_Timeout = 20000) {
		await this.Until(() => this.Stack() === as_Stack, ai_Timeout,
			`no 'stack: ${as_Stack}' (last: '${this.Stack()}')`);
	}

	Frames() {
		return this.mo_Page.evaluate(() => window.fudemaruFrames);
	}

	// Lets ai_Count more frames be drawn.
	async WaitFrames(ai_Count, ai_Timeout = 30000) {
		const i_Target = (await this.Frames()) + ai_Count;
		await this.mo_Page.waitForFunction((i) => window.fudemaruFrames >= i, { polling: 'raf', timeout: ai_Timeout }, i_Target)
			.catch(() => { throw new Failure(`${ai_Count} frames were not drawn within ${ai_Timeout / 1000} s`); });
	}

	// A press and release of a pad button sent back to back: shorter than a frame, as a quick tap.
	async Tap(as_Button) {
		const s_Key = ko_Keys[as_Button];
		if (!s_Key)
			throw new Failure(`no key for the button ${as_Button}`);
		await this.mo_Page.keyboard.down(s_Key);
		await this.mo_Page.keyboard.up(s_Key);
	}

	// The canvas's place and sizes: CSS pixels and its drawing buffer.
	Canvas() {
		return this.mo_Page.evaluate(() => {
			const o_Canvas = document.getElementById('canvas');
			if (!o_Canvas)
				return null;
			const o_Rect = o_Canvas.getBoundingClientRect();
			return { f_Width: o_Rect.width, f_Height: o_Rect.height, i_Buffer: o_Canvas.width, i_BufferHeight: o_Canvas.height,
				i_Inner: window.innerWidth };
		});
	}

	// Widens the page until the canvas, which fills its width, is 480x272 CSS pixels at one
	// device pixel each: the size of the desktop's pictures.
	async FitCanvas() {
		let o_Canvas = await this.Canvas();
		if (!o_Canvas)
			throw new Failure('no <canvas id="canvas"> on the page');
		for (let i = 0; i < 4 && o_Canvas.f_Width !== 480; ++i) {
			const i_Width = Math.round(o_Canvas.i_Inner + 480 - o_Canvas.f_Width);
			await this.mo_Page.setViewport({ width: i_Width, height: 800, deviceScaleFactor: 1 });
			await this.WaitFrames(2);
			o_Canvas = await this.Canvas();
		}
		if (o_Canvas.f_Width !== 480 || Math.abs(o_Canvas.f_Height - 272) > 0.5)
			throw new Failure(`the canvas is ${o_Canvas.f_Width}x${o_Canvas.f_Height} CSS pixels in a page ${o_Canvas.i_Inner} wide, not 480x272`);
		return o_Canvas;
	}

	async Shot(as_Path) {
		const o_Canvas = await this.mo_Page.$('#canvas');
		await o_Canvas.screenshot({ path: as_Path });
	}

	async Close() {
		await this.mo_Browser?.close().catch(() => {});
		await new Promise((af_Resolve) => this.mo_Server ? this.mo_Server.close(af_Resolve) : af_Resolve());
		if (this.ms_Scratch)
			await rm(this.ms_Scratch, { recursive: true, force: true });
	}
}
