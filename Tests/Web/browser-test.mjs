// The web build played in headless Chromium: the page loads and draws, the intro gives way to the
// browser's cards, a kanji's review opens and closes, French is chosen in Settings, a kanji quiz
// round starts, after a reload the game starts in French (the player's folder in IndexedDB kept
// the setting), and Escape ends it. The canvas's pictures of the cards and the review are compared
// with the desktop's, which the replay draws from the same keys; the page's console stays free of
// errors, uncaught exceptions and failed requests.
//   node browser-test.mjs WEB_DIR REPLAY PIXELS [OUT_DIR]
// The shots are left in OUT_DIR (default web-shots): web-NAME.png and desktop-NAME.png.
import { spawnSync } from 'node:child_process';
import { mkdirSync, mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { Failure, Sleep, WebGame } from './WebGame.mjs';

const [s_WebDir, s_Replay, s_Pixels, s_OutArg] = process.argv.slice(2);
if (!s_Pixels) {
	console.error('usage: browser-test.mjs WEB_DIR REPLAY PIXELS [OUT_DIR]');
	process.exit(2);
}
const s_Out = resolve(s_OutArg || 'web-shots');

const ks_Cards = 'CState_Intro CState_KanjiList';
// The same keys and waits for the desktop's replay and the page. A stack step waits in the page
// for that stack line and checks the replay's print; "reload" starts the game again on the same
// player's folder.
const kao_Steps = [
	['frames', 1], ['stack', 'CState_Intro'],
	['frames', 44], ['tap', 'Cross'], ['frames', 60],
	['stack', ks_Cards], ['frames', 45], ['shot', 'cards'],
	['tap', 'Cross'], ['frames', 30],
	['stack', `${ks_Cards} CState_KanjiReview`], ['frames', 240], ['shot', 'review'],
	['tap', 'Circle'], ['frames', 45],
	['stack', ks_Cards],
	// Settings, third entry of the main menu: French, the second language.
	['tap', 'Triangle'], ['frames', 45],
	['stack', `${ks_Cards} CState_MenuMain`],
	['tap', 'Right'], ['frames', 20], ['tap', 'Right'], ['frames', 20], ['tap', 'Cross'], ['frames', 30],
	['stack', `${ks_Cards} CState_Settings`],
	['tap', 'Down'], ['frames', 1], ['tap', 'Cross'], ['frames', 2], ['tap', 'Circle'], ['frames', 45],
	['stack', ks_Cards], ['shot', 'cards-fr'],
	// Quiz, Kanji A: its first round.
	['tap', 'Triangle'], ['frames', 45], ['tap', 'Cross'], ['frames', 45], ['tap', 'Cross'], ['frames', 60],
	['stack', `${ks_Cards} CState_QuizMatch CState_QuizRoundA`], ['shot', 'quiz'],
	['reload'],
	['frames', 1], ['stack', 'CState_Intro'],
	['frames', 44], ['tap', 'Cross'], ['frames', 60],
	['stack', ks_Cards], ['frames', 45], ['shot', 'reloaded'],
];

// Regions that matter: the front card with its kanji, reading and meanings; the tooltip bar;
// the review's kanji and its texts. The quiz deals its cards at random: its picture is for a
// person to look at.
const ko_Card = [150, 60, 180, 150];
const ko_Bar = [0, 240, 480, 32];
const ko_Regions = {
	cards: { card: ko_Card, bar: ko_Bar },
	review: { kanji: [22, 27, 92, 92], texts: [130, 25, 330, 205], bar: ko_Bar },
	'cards-fr': { card: ko_Card, bar: ko_Bar },
	reloaded: { card: ko_Card, bar: ko_Bar },
};
// At most this share of a region's pixels may differ by more than the comparer's tolerance per
// channel: the two renderers round and smooth edges apart.
const kf_Percent = 1;

function Pixels(as_Args) {
	const o_Run = spawnSync(s_Pixels, as_Args, { encoding: 'utf8' });
	if (o_Run.status !== 0 && o_Run.status !== 1)
		throw new Failure(`scenario-pixels ${as_Args.join(' ')}: ${o_Run.stderr || o_Run.stdout}`);
	return { b_Holds: o_Run.status === 0, s_Said: o_Run.stdout.trim() };
}

// The desktop's pictures (saved in the output folder) and stack lines from the same steps, one
// replay for each start of the game, all on one scratch player's folder.
function DesktopReference() {
	const s_Work = mkdtempSync(join(tmpdir(), 'fudemaru-web-ref-'));
	try {
		const s_Home = join(s_Work, 'home');
		const o_Env = { ...process.env, HOME: s_Home, XDG_CONFIG_HOME: join(s_Home, 'config'), XDG_DATA_HOME: join(s_Home, 'data') };
		const aas_Scripts = [[]];
		const as_Stacks = [];
		for (const [s_Kind, o_Value] of kao_Steps) {
			const as_Lines = aas_Scripts[aas_Scripts.length - 1];
			if (s_Kind === 'reload')
				aas_Scripts.push([]);
			else if (s_Kind === 'stack') {
				as_Lines.push('print');
				as_Stacks.push(o_Value);
			} else if (s_Kind === 'shot')
				as_Lines.push(`shot desktop-${o_Value}.png`);
			else
				as_Lines.push(`${s_Kind} ${o_Value}`);
		}
		const as_Printed = [];
		aas_Scripts.forEach((as_Lines, i) => {
			const s_Script = join(s_Work, `start-${i}.replay`);
			writeFileSync(s_Script, as_Lines.join('\n') + '\n');
			const o_Run = spawnSync(s_Replay, [s_Script], { encoding: 'utf8', env: o_Env, cwd: s_Out });
			if (o_Run.status !== 0)
				throw new Failure(`the replay failed (${o_Run.status}): ${o_Run.stderr}${o_Run.stdout}`);
			// Each print's stack line; the summary's last one is left out.
			const as_Found = o_Run.stdout.split('\n').filter((s) => s.startsWith('stack: ')).map((s) => s.slice(7));
			as_Printed.push(...as_Found.slice(0, -1));
		});
		if (as_Printed.join('\n') !== as_Stacks.join('\n'))
			throw new Failure(`the desktop did not reach the same screens: printed\n  ${as_Printed.join('\n  ')}`);
	} finally {
		rmSync(s_Work, { recursive: true, force: true });
	}
}

async function PlayInBrowser(o_Game) {
	for (const [s_Kind, o_Value] of kao_Steps) {
		if (s_Kind === 'reload') {
			await o_Game.Open(true);
			console.log('reloaded: first frame');
		} else if (s_Kind === 'stack') {
			await o_Game.WaitStack(o_Value);
			console.log(`stack: ${o_Value}`);
		} else if (s_Kind === 'frames')
			await o_Game.WaitFrames(o_Value);
		else if (s_Kind === 'tap')
			await o_Game.Tap(o_Value);
		else if (s_Kind === 'shot') {
			await o_Game.Shot(join(s_Out, `web-${o_Value}.png`));
			console.log(`shot: web-${o_Value}.png`);
		}
	}
}

// The regions that differ from the desktop's, as "shot region".
function Compare() {
	const as_Differ = [];
	for (const [s_Shot, o_Named] of Object.entries(ko_Regions))
		for (const [s_Region, ai_Box] of Object.entries(o_Named)) {
			const [i_X, i_Y, i_W, i_H] = ai_Box.map(String);
			const o_Result = Pixels(['like', join(s_Out, `web-${s_Shot}.png`), i_X, i_Y, join(s_Out, `desktop-${s_Shot}.png`), i_X, i_Y,
				i_W, i_H, String(kf_Percent)]);
			console.log(`${s_Shot} ${s_Region}: ${o_Result.s_Said}${o_Result.b_Holds ? '' : ' - FAIL'}`);
			if (!o_Result.b_Holds)
				as_Differ.push(`${s_Shot} ${s_Region}`);
		}
	// The French pictures say something else than the English ones, or comparing them proves nothing.
	const o_Apart = Pixels(['like', join(s_Out, 'desktop-cards.png'), ...ko_Bar.slice(0, 2).map(String),
		join(s_Out, 'desktop-reloaded.png'), ...ko_Bar.map(String), String(kf_Percent)]);
	if (o_Apart.b_Holds)
		throw new Failure('the desktop\'s English and French bars look alike: the reload check would prove nothing');
	return as_Differ;
}

async function Main() {
	mkdirSync(s_Out, { recursive: true });
	const o_Game = await WebGame.Start(s_WebDir);
	try {
		DesktopReference();
		console.log(`desktop pictures in ${s_Out}`);
		await o_Game.Open();
		console.log('page loaded: first frame');
		const o_Canvas = await o_Game.FitCanvas();
		await o_Game.mo_Page.screenshot({ path: join(s_Out, 'web-page.png'), fullPage: true });
		if (o_Canvas.i_Buffer !== 480 || o_Canvas.i_BufferHeight !== 272)
			throw new Failure(`the canvas's drawing buffer is ${o_Canvas.i_Buffer}x${o_Canvas.i_BufferHeight} at 480x272 CSS pixels`);
		await PlayInBrowser(o_Game);

		// Sharp at any size: at two device pixels a CSS pixel the drawing buffer doubles.
		await o_Game.mo_Page.setViewport({ ...o_Game.mo_Page.viewport(), deviceScaleFactor: 2 });
		await o_Game.WaitFrames(3);
		const o_Sharp = await o_Game.Canvas();
		if (o_Sharp.i_Buffer !== Math.round(o_Sharp.f_Width * 2) || o_Sharp.i_BufferHeight !== Math.round(o_Sharp.f_Height * 2))
			throw new Failure(`at 2 device pixels a CSS pixel the drawing buffer is ${o_Sharp.i_Buffer}x${o_Sharp.i_BufferHeight}`);
		console.log(`at 2 device pixels a CSS pixel: drawing buffer ${o_Sharp.i_Buffer}x${o_Sharp.i_BufferHeight}`);

		// Escape ends the game: no frame is drawn after it.
		await o_Game.mo_Page.keyboard.press('Escape');
		await Sleep(500);
		const i_Ended = await o_Game.Frames();
		await Sleep(1000);
		if (await o_Game.Frames() !== i_Ended)
			throw new Failure('frames are still drawn a second after Escape');
		console.log(`Escape ended the game at frame ${i_Ended}`);

		const as_Differ = Compare();
		if (o_Game.mas_Errors.length)
			throw new Failure(`the page reported:\n  ${o_Game.mas_Errors.join('\n  ')}`);
		if (as_Differ.length) {
			const b_Kept = !as_Differ.some((s) => s.startsWith('reloaded'));
			throw new Failure(`the web pictures differ from the desktop's in ${as_Differ.join(', ')} (shots in ${s_Out})` +
				(b_Kept ? '' : ': after the reload the game does not look like the desktop\'s in French (was the player\'s folder kept?)'));
		}
		console.log('the console had no error');
	} catch (o_Error) {
		if (o_Game.mas_Errors.length)
			console.log(`the page reported:\n  ${o_Game.mas_Errors.join('\n  ')}`);
		throw o_Error;
	} finally {
		await o_Game.Close();
	}
}

try {
	await Main();
	console.log('PASS');
} catch (o_Error) {
	console.log(`FAIL: ${o_Error instanceof Failure ? o_Error.message : o_Error.stack}`);
	process.exit(1);
}
