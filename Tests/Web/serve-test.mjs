// The web build's server: each file with its type, a folder's index.html, and nothing outside
// the served folder nor any folder's listing, whatever the path's dots and escapes.
import { request } from 'node:http';
import { mkdirSync, mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { Serve } from '../../Tools/Web/serve.mjs';

// The path is sent as written: fetch() would take the dots out first.
function Get(ai_Port, as_Path, as_Method = 'GET') {
	return new Promise((af_Resolve, af_Reject) => {
		const o_Request = request({ host: '127.0.0.1', port: ai_Port, path: as_Path, method: as_Method }, (o_Response) => {
			let s_Body = '';
			o_Response.setEncoding('latin1');
			o_Response.on('data', (s) => (s_Body += s));
			o_Response.on('end', () => af_Resolve({ i_Status: o_Response.statusCode, s_Type: o_Response.headers['content-type'], s_Body }));
		});
		o_Request.on('error', af_Reject);
		o_Request.end();
	});
}

const s_Work = mkdtempSync(join(tmpdir(), 'fudemaru-serve-'));
const s_Root = join(s_Work, 'build-web');
mkdirSync(join(s_Root, 'licences'), { recursive: true });
mkdirSync(join(s_Root, 'deps'));
writeFileSync(join(s_Root, 'index.html'), '<!DOCTYPE html>page');
writeFileSync(join(s_Root, 'fudemaru.wasm'), '\0asm\x01\0\0\0');
writeFileSync(join(s_Root, 'fudemaru.js'), 'var Module;');
writeFileSync(join(s_Root, 'fudemaru.data'), 'data');
writeFileSync(join(s_Root, 'licences', 'data.txt'), 'licence');
writeFileSync(join(s_Work, 'secret.txt'), 'secret');

const ao_Cases = [
	['/', 200, 'text/html; charset=utf-8', '<!DOCTYPE html>page'],
	['/index.html?v=2', 200, 'text/html; charset=utf-8', '<!DOCTYPE html>page'],
	['/fudemaru.wasm', 200, 'application/wasm', '\0asm\x01\0\0\0'],
	['/fudemaru.js', 200, 'text/javascript; charset=utf-8', 'var Module;'],
	['/fudemaru.data', 200, 'application/octet-stream', 'data'],
	['/licences/data.txt', 200, 'text/plain; charset=utf-8', 'licence'],
	['/deps/', 404],
	['/licences', 404],
	['/missing.js', 404],
	['/../secret.txt', 404],
	['/%2e%2e/secret.txt', 404],
	['/..%2fsecret.txt', 404],
	['/licences/..%2f..%2fsecret.txt', 404],
	['/%00', 404],
	['/%E0%A4%A', 404],
];

let b_Fail = false;
const o_Server = await Serve(s_Root, 0);
try {
	const i_Port = o_Server.address().port;
	for (const [s_Path, i_Status, s_Type, s_Body] of ao_Cases) {
		const o_Got = await Get(i_Port, s_Path);
		const b_Right = o_Got.i_Status === i_Status && (s_Type === undefined || (o_Got.s_Type === s_Type && o_Got.s_Body === s_Body)) &&
			!o_Got.s_Body.includes('secret');
		console.log(`${s_Path}: ${o_Got.i_Status} ${o_Got.s_Type}${b_Right ? '' : ' - FAIL'}`);
		b_Fail ||= !b_Right;
	}
	const o_Post = await Get(i_Port, '/index.html', 'POST');
	console.log(`POST /index.html: ${o_Post.i_Status}${o_Post.i_Status === 405 ? '' : ' - FAIL'}`);
	b_Fail ||= o_Post.i_Status !== 405;
} finally {
	o_Server.close();
	rmSync(s_Work, { recursive: true, force: true });
}
console.log(b_Fail ? 'FAIL' : 'PASS');
process.exit(b_Fail ? 1 : 0);
