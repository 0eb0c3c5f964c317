// The web build's figures in headless Chromium on this machine: the bytes a player downloads, the
// time to the first frame and to the browser's cards, the frames a second on the cards and in a
// quiz round, and the memory held after a random soak. Run by hand (make web-figures); it checks
// nothing.
//   node figures.mjs WEB_DIR [SOAK_MINUTES]      SOAK_MINUTES defaults to 5
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { Failure, Sleep, WebGame, ko_Keys } from './WebGame.mjs';

const [s_WebDir, s_Minutes] = process.argv.slice(2);
const f_Minutes = Number(s_Minutes || 5);
if (!s_WebDir || !(f_Minutes >= 0)) {
	console.error('usage: figures.mjs WEB_DIR [SOAK_MINUTES]');
	process.exit(2);
}
const ks_Cards = 'CState_Intro CState_KanjiList';
const ao_Rows = [];
const Row = (as_What, as_Value) => {
	ao_Rows.push([as_What, as_Value]);
	console.log(`${as_What}: ${as_Value}`);
};
const Kb = (ai_Bytes) => `${(ai_Bytes / 1024).toFixed(1)} KiB`;
const Mb = (ai_Bytes) => `${(ai_Bytes / 1048576).toFixed(1)} MiB`;

// Each file the page fetched from the server on its first load, as served and as gzip -9 makes it.
function Bytes(as_Paths) {
	let i_Raw = 0, i_Zipped = 0;
	for (const s_Path of as_Paths) {
		const o_Bytes = readFileSync(join(s_WebDir, s_Path));
		const i_Gzip = gzipSync(o_Bytes, { level: 9 }).length;
		i_Raw += o_Bytes.length;
		i_Zipped += i_Gzip;
		Row(`bytes ${s_Path}`, `${o_Bytes.length} (${Kb(o_Bytes.length)}), gzip -9 ${i_Gzip} (${Kb(i_Gzip)})`);
	}
	Row('bytes in all', `${i_Raw} (${Mb(i_Raw)}), gzip -9 ${i_Zipped} (${Mb(i_Zipped)})`);
}

// Before the page's own scripts: the times of the game's console lines since navigation, and a
// requestAnimationFrame counter of the page's own.
function Instrument() {
	window.__marks = [];
	const f_Log = console.log.bind(console);
	console.log = (...ao_Args) => {
		window.__marks.push([performance.now(), String(ao_Args[0])]);
		f_Log(...ao_Args);
	};
	window.__raf = 0;
	const f_Count = () => {
		++window.__raf;
		requestAnimationFrame(f_Count);
	};
	requestAnimationFrame(f_Count);
}

async function Mark(o_Game, as_Line) {
	const ao_Marks = await o_Game.mo_Page.evaluate(() => window.__marks);
	const o_Mark = ao_Marks.find(([, s]) => s === as_Line);
	return o_Mark ? o_Mark[0] : NaN;
}

// Navigation to the first frame, then Cross as soon as the intro takes it, then the cards.
async function Start(o_Game, as_Label, ab_Reload) {
	await o_Game.Open(ab_Reload);
	const i_End = Date.now() + 30000;
	while (o_Game.Stack() === 'CState_Intro' || o_Game.Stack() === '') {
		if (Date.now() > i_End)
			throw new Failure('the intro never took Cross');
		await o_Game.Tap('Cross');
		await Sleep(50);
	}
	await o_Game.WaitStack(ks_Cards, 60000);
	const f_First = await Mark(o_Game, 'fudemaru: first frame');
	const f_Loading = await Mark(o_Game, 'stack: CState_Intro CState_Loading');
	const f_Cards = await Mark(o_Game, `stack: ${ks_Cards}`);
	Row(`${as_Label}: navigation to first frame`, `${f_First.toFixed(0)} ms`);
	Row(`${as_Label}: navigation to the cards`, `${f_Cards.toFixed(0)} ms (Cross taken at ${f_Loading.toFixed(0)} ms, list loaded in ${(f_Cards - f_Loading).toFixed(0)} ms)`);
}

async function Rates(o_Game, as_Label) {
	const ai_Count = () => o_Game.mo_Page.evaluate(() => [window.fudemaruFrames, window.__raf, performance.now()]);
	const [i_Frames0, i_Raf0, f_Time0] = await ai_Count();
	await Sleep(10000);
	const [i_Frames1, i_Raf1, f_Time1] = await ai_Count();
	const f_Seconds = (f_Time1 - f_Time0) / 1000;
	Row(`${as_Label}: frames a second`, `${((i_Frames1 - i_Frames0) / f_Seconds).toFixed(1)} drawn, ${((i_Raf1 - i_Raf0) / f_Seconds).toFixed(1)} requestAnimationFrame`);
}

async function Memory(o_Game, as_Label) {
	const o_Session = await o_Game.mo_Page.createCDPSession();
	await o_Session.send('HeapProfiler.collectGarbage');
	const o_Heap = await o_Session.send('Runtime.getHeapUsage');
	await o_Session.detach();
	// The module's memory, under whichever global name the build leaves it.
	const i_Wasm = await o_Game.mo_Page.evaluate(() => {
		const o_View = window.HEAP8 || (window.Module && window.Module.HEAP8);
		if (o_View)
			return o_View.length;
		const o_Memory = window.wasmMemory || (window.Module && window.Module.wasmMemory);
		return o_Memory ? o_Memory.buffer.byteLength : -1;
	});
	Row(`${as_Label}: JS heap`, `${Mb(o_Heap.usedSize)} used of ${Mb(o_Heap.totalSize)}`);
	Row(`${as_Label}: wasm memory`, i_Wasm < 0 ? 'not reachable (no HEAP8 or wasmMemory on the page)' : Mb(i_Wasm));
}

// Random taps of the pad's buttons for af_Minutes; Escape never. The main menu opens on its first
// entry and stops at its ends; its quit entry, the fourth, needs three Rights: once that many were
// tapped since the menu was asked for, Cross is not tapped in it. Should the game end anyway (it
// stops drawing), it is started again and counted.
async function Soak(o_Game, af_Minutes) {
	const as_Buttons = Object.keys(ko_Keys);
	const ks_Menu = `${ks_Cards} CState_MenuMain`;
	const i_End = Date.now() + af_Minutes * 60000;
	let i_Taps = 0, i_Restarts = 0, i_Frames = await o_Game.Frames(), i_Checked = Date.now();
	let i_Rights = 0, i_MenuAsked = 0;
	while (Date.now() < i_End) {
		let s_Button = as_Buttons[Math.floor(Math.random() * as_Buttons.length)];
		const b_Menu = o_Game.Stack() === ks_Menu || Date.now() - i_MenuAsked < 1000;
		if (s_Button === 'Cross' && b_Menu && i_Rights >= 3)
			s_Button = 'Circle';
		if (s_Button === 'Triangle' && !b_Menu) {
			i_Rights = 0;
			i_MenuAsked = Date.now();
		} else if (s_Button === 'Right')
			++i_Rights;
		await o_Game.Tap(s_Button);
		++i_Taps;
		await Sleep(30 + Math.random() * 150);
		if (Date.now() - i_Checked > 3000) {
			const i_Now = await o_Game.Frames();
			if (i_Now === i_Frames) {
				++i_Restarts;
				await Start(o_Game, `restart ${i_Restarts}`, true);
			}
			i_Frames = await o_Game.Frames();
			i_Checked = Date.now();
		}
	}
	Row('soak', `${af_Minutes} min, ${i_Taps} taps, ${i_Restarts} restarts after the game ended, last stack '${o_Game.Stack()}'`);
	// Back to the cards before the memory is read: Circle leaves a mode or a menu, Cross the
	// quiz's results.
	for (let i = 0; i < 12 && o_Game.Stack() !== ks_Cards; ++i) {
		await o_Game.Tap(o_Game.Stack().endsWith('CState_QuizResults') ? 'Cross' : 'Circle');
		await o_Game.WaitFrames(45);
	}
	Row('soak: rests on', o_Game.Stack());
}

async function Main() {
	const o_Game = await WebGame.Start(s_WebDir);
	try {
		await o_Game.mo_Page.evaluateOnNewDocument(Instrument);
		const o_Fetched = new Set();
		const f_Fetched = (o_Response) => {
			const o_Url = new URL(o_Response.url());
			if (o_Url.origin === new URL(o_Game.ms_Url).origin && o_Response.status() === 200)
				o_Fetched.add(decodeURIComponent(o_Url.pathname === '/' ? '/index.html' : o_Url.pathname).slice(1));
		};
		o_Game.mo_Page.on('response', f_Fetched);
		await Start(o_Game, 'first load', false);
		o_Game.mo_Page.off('response', f_Fetched);
		Bytes([...o_Fetched].sort());
		await Start(o_Game, 'reload', true);
		await o_Game.WaitFrames(60);
		await Rates(o_Game, 'cards');
		await Memory(o_Game, 'before the soak');
		for (const s_Button of ['Triangle', 'Cross', 'Cross']) {
			await o_Game.Tap(s_Button);
			await o_Game.WaitFrames(45);
		}
		await o_Game.WaitStack(`${ks_Cards} CState_QuizMatch CState_QuizRoundA`);
		await Rates(o_Game, 'quiz round');
		await Soak(o_Game, f_Minutes);
		await Memory(o_Game, `after ${f_Minutes} min of soak`);
		if (o_Game.mas_Errors.length)
			Row('page errors', o_Game.mas_Errors.join(' / '));
	} finally {
		await o_Game.Close();
	}
	const i_Width = Math.max(...ao_Rows.map(([s]) => s.length));
	console.log(`\n${'figure'.padEnd(i_Width)} | value\n${'-'.repeat(i_Width)}-|------`);
	for (const [s_What, s_Value] of ao_Rows)
		console.log(`${s_What.padEnd(i_Width)} | ${s_Value}`);
}

try {
	await Main();
} catch (o_Error) {
	console.log(`FAIL: ${o_Error instanceof Failure ? o_Error.message : o_Error.stack}`);
	process.exit(1);
}
